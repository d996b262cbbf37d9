// Reading numbers, the code page of the study files, and grid rounding.
#include "estimate/NumberReading.h"
#include "estimate/ProjectionTable.h"
#include "storage/Windows1252.h"
#include "support/Cases.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace NumberReading;

namespace {

struct Leading {
    const char *name;
    const char *text;
    double value;
    friend void PrintTo(const Leading &row, std::ostream *os) { *os << '"' << row.text << '"'; }
};

const Leading kLeading[] = {
    {"Integer", "10000", 10000},
    {"PointIsTheDecimalSeparator", "12.500", 12.5},
    {"CommaEndsTheNumber", "1,45", 1},
    {"LeadingSpacesAndAWordAfter", "  42 abitanti", 42},
    {"Minus", "-7", -7},
    {"Plus", "+3", 3},
    {"NoDigits", "abc", 0},
    {"Empty", "", 0},
    {"CommaFirst", ",5", 0},
    {"SpacesBetweenDigitsAreSkipped", "1 000", 1000},
    {"SecondPointEndsTheNumber", "3.2.1", 3.2},
    {"Exponent", "2e3", 2000},
    {"ExponentWithoutDigits", "5e", 5},
    {"PointFirst", ".5", 0.5},
    {"SignAlone", "-", 0},
    {"LetterEndsTheNumber", "7x8", 7},
};

class LeadingNumber : public testing::TestWithParam<Leading> {};

} // namespace

TEST_P(LeadingNumber, ReadsTheNumberAtTheStartWithThePointAsDecimalSeparator)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber, testing::ValuesIn(kLeading), RowName());

TEST(ItalianNumber, FollowsItalianRulesWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_DOUBLE_EQ(*italianNumber(QStringLiteral("1,45")), 1.45);
    EXPECT_DOUBLE_EQ(*italianNumber(QStringLiteral("1.500")), 1500);
    EXPECT_DOUBLE_EQ(*italianNumber(QStringLiteral(" 80 ")), 80);
    EXPECT_DOUBLE_EQ(*italianNumber(QStringLiteral("-4")), -4);
    EXPECT_FALSE(italianNumber(QStringLiteral("abc")));
    EXPECT_FALSE(italianNumber(QString()));
    EXPECT_FALSE(italianNumber(QStringLiteral("1.5")));
    EXPECT_FALSE(italianNumber(QStringLiteral("inf")));
    EXPECT_FALSE(italianNumber(QStringLiteral("nan")));
    QLocale::setDefault(QLocale::c());
}

TEST(NumberText, WritesPlainIntegersAndRoundsHalvesUp)
{
    EXPECT_EQ(integerText(12000), QStringLiteral("12000"));
    EXPECT_EQ(integerText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(integerText(1e12), QStringLiteral("1000000000000"));
    EXPECT_EQ(roundHalfUp(2.5), 3);
    EXPECT_EQ(roundHalfUp(-2.5), -2);
    EXPECT_EQ(roundHalfUp(-3.7), -4);
    EXPECT_EQ(plainText(10064), QStringLiteral("10064"));
    EXPECT_DOUBLE_EQ(leadingNumber(plainText(11.5)), 11.5);
}

TEST(GridCell, ShowsYearsUnchangedAndRoundsTheOtherCells)
{
    ProjectionTable t;
    t.year[3] = 2005;
    t.naturalChange[3] = -3.7;
    t.naturalChange[4] = 2.5;
    t.naturalChange[5] = -2.5;
    t.emigrants[3] = -12.4;
    t.immigrants[3] = -99.5;
    t.inhabitants[3] = 9981.5;
    EXPECT_EQ(gridCellText(t, 3, GridColumn::ann), QStringLiteral("2005"));
    EXPECT_EQ(gridCellText(t, 3, GridColumn::aument), QStringLiteral("-4"));
    EXPECT_EQ(gridCellText(t, 4, GridColumn::aument), QStringLiteral("3"));
    EXPECT_EQ(gridCellText(t, 5, GridColumn::aument), QStringLiteral("-2"));
    EXPECT_EQ(gridCellText(t, 3, GridColumn::em), QStringLiteral("12"));
    // Int(-99.5 + 0.5) is -99: the sign goes, the rounding stays half up.
    EXPECT_EQ(gridCellText(t, 3, GridColumn::imm), QStringLiteral("99"));
    EXPECT_EQ(gridCellText(t, 3, GridColumn::abit), QStringLiteral("9982"));
    // Never-set cells: empty year, zero elsewhere.
    EXPECT_EQ(gridCellText(t, 9, GridColumn::ann), QString());
    EXPECT_EQ(gridCellText(t, 9, GridColumn::donne), QStringLiteral("0"));
    EXPECT_EQ(gridHeaderCaption(GridColumn::aument), QStringLiteral("+/- abit."));
    EXPECT_EQ(gridHeaderTooltip(GridColumn::donne), QStringLiteral("Numero di donne in età di fecondità"));
}

TEST(Windows1252, MapsTheEuroAndTypographicQuotesAndRefusesOthers)
{
    const QString text = QStringLiteral("città € “x” – ñ");
    const auto bytes = Windows1252::encode(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->at(4), char(0xE0));
    EXPECT_EQ(bytes->at(6), char(0x80));
    EXPECT_EQ(bytes->at(8), char(0x93));
    EXPECT_EQ(Windows1252::decode(*bytes), text);
    EXPECT_FALSE(Windows1252::encode(QStringLiteral("ok Ω")));
    EXPECT_FALSE(Windows1252::canEncode(QStringLiteral("😀")));
    // Every byte decodes, so an unusual file never fails to open.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(Windows1252::decode(all).size(), 256);
    EXPECT_EQ(Windows1252::encode(Windows1252::decode(all)), all);
}

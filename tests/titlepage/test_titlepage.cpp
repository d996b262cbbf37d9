// The title page's data: the check, the clearing, the date, the office, and
// the study file through both windows.
#include "core/AppGlobals.h"
#include "core/Modulo.h"
#include "core/StudioSettings.h"
#include "storage/StudyFile.h"
#include "support/Scripted.h"
#include "titlepage/TitlePageModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TF = TitlePageModel::Field;
using F = ProjectionModel::Field;

namespace {

// A title page whose projection window has the given result.
struct Page : TitlePageModel::Projection {
    QString result;
    int shownProjection = 0;
    ScriptedMessenger messenger;
    TitlePageModel model{messenger, *this, QDate(2026, 12, 6)};

    QString popolazione() override { return result; }
    void show() override { ++shownProjection; }
    ProjectionModel &projectionModel() override { std::abort(); }

    void fillAllBut(TF skipped)
    {
        for (int i = 0; i < TitlePageModel::kFieldCount; ++i) {
            const auto f = static_cast<TF>(i);
            if (f != skipped && f != TF::data)
                model.setText(f, QStringLiteral("testo %1").arg(i));
        }
    }
    QString lastText() const { return messenger.shown.isEmpty() ? QString() : messenger.shown.back().text; }
};

} // namespace

TEST(TitlePageLoad, DateInItalianAndTheProgramWideOffice)
{
    appGlobals().StudioName = QStringLiteral("Studio Verdi");
    appGlobals().StudioAddress = QStringLiteral("Via Po, 3");
    Page p;
    EXPECT_EQ(p.model.text(TF::data), QStringLiteral("domenica, 6 dic 2026"));
    EXPECT_EQ(TitlePageData::longDate(QDate(2027, 3, 1)), QStringLiteral("lunedì, 1 mar 2027"));
    EXPECT_EQ(p.model.labelstudio(), QStringLiteral("Studio Verdi"));
    EXPECT_EQ(p.model.labelindirizzo(), QStringLiteral("Via Po, 3"));
    EXPECT_EQ(p.model.passo(), QStringLiteral("Digitare i dati per ogni campo o prelevare un file dall'archivio."));
    EXPECT_EQ(TitlePageModel::labelCaption(0), QStringLiteral(" ricerca......................:"));
    EXPECT_EQ(TitlePageModel::labelCaption(6), QStringLiteral(" allegati alla relazione :"));
    appGlobals().StudioName.clear();
    appGlobals().StudioAddress.clear();
}

TEST(TitlePageCheck, WithoutACalculationOnlyThatIsSaidAndTheProjectionComesForward)
{
    Page p;
    p.fillAllBut(TF::luogo);
    p.model.controlloFrontespizio();
    ASSERT_EQ(p.messenger.shown.size(), 1);
    const Message expected{QStringLiteral("Non è stato fatto il calcolo!"), QStringLiteral("Vicania: aiuto in linea"),
                           Message::Icon::Critical, Message::Buttons::Ok, Message::Answer::Ok};
    Modulo::InitDialogTitles();
    EXPECT_EQ(p.messenger.shown[0].text, expected.text);
    EXPECT_EQ(p.messenger.shown[0].icon, expected.icon);
    EXPECT_EQ(p.shownProjection, 1);
}

TEST(TitlePageCheck, ThreeOutcomesAfterACalculation)
{
    Modulo::InitDialogTitles();
    {
        Page p;
        p.result = QStringLiteral("9982");
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("Non è stato immesso alcun dato nella finestra."));
        EXPECT_EQ(p.messenger.shown.back().icon, Message::Icon::Question);
        EXPECT_EQ(p.messenger.shown.back().title, appGlobals().DataCheckTitle);
        // The place of the work takes part in neither test.
        p.model.setText(TF::luogo, QStringLiteral("Roma"));
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("Non è stato immesso alcun dato nella finestra."));
    }
    {
        Page p;
        p.result = QStringLiteral("9982");
        p.fillAllBut(TF::luogo);
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("I dati sono stati immessi correttamente."));
        EXPECT_EQ(p.messenger.shown.back().icon, Message::Icon::Information);
        p.model.setText(TF::committente, QString());
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("Inserire dati per ogni campo."));
        EXPECT_EQ(p.messenger.shown.back().icon, Message::Icon::Exclamation);
        EXPECT_EQ(p.shownProjection, 0);
    }
    {
        // A single space is a filled field in both tests.
        Page p;
        p.result = QStringLiteral("1");
        p.model.setText(TF::allegati, QStringLiteral(" "));
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("Inserire dati per ogni campo."));
        for (TF f : {TF::ricerca, TF::localita, TF::tipostudio, TF::committente})
            p.model.setText(f, QStringLiteral(" "));
        p.model.controlloFrontespizio();
        EXPECT_EQ(p.lastText(), QStringLiteral("I dati sono stati immessi correttamente."));
    }
}

TEST(TitlePageClear, EmptiesTheSevenBoxesDateIncludedAndKeepsTheOffice)
{
    Page p;
    p.result = QStringLiteral("1");
    p.model.write({"r", "l", "t", "c", "g", "d", "a", "Studio", "Via"});
    p.model.cancella_click();
    for (int i = 0; i < TitlePageModel::kFieldCount; ++i)
        EXPECT_TRUE(p.model.text(static_cast<TF>(i)).isEmpty()) << "field " << i;
    EXPECT_EQ(p.model.labelstudio(), QStringLiteral("Studio"));
    EXPECT_TRUE(p.messenger.shown.isEmpty());
    p.fillAllBut(TF::data);
    p.model.controlloFrontespizio();
    EXPECT_EQ(p.lastText(), QStringLiteral("Inserire dati per ogni campo."));
}

TEST(TitlePageOffice, FollowsTheProgramWideOfficeUnlessAFileReplacedIt)
{
    Page p;
    appGlobals().StudioName = QStringLiteral("Nuovo studio");
    p.model.officeChanged(QString(), QString());
    EXPECT_EQ(p.model.labelstudio(), QStringLiteral("Nuovo studio"));
    p.model.write({"r", "", "", "", "", "", "", "Studio del file", "Via del file"});
    appGlobals().StudioName = QStringLiteral("Altro");
    p.model.officeChanged(QStringLiteral("Nuovo studio"), QString());
    EXPECT_EQ(p.model.labelstudio(), QStringLiteral("Studio del file"));
    appGlobals().StudioName.clear();
}

TEST(TitlePageOffice, IsKeptBetweenRuns)
{
    QTemporaryDir dir;
    StudioSettings::useFile(dir.filePath(QStringLiteral("vicania.ini")));
    StudioSettings::load();
    EXPECT_TRUE(appGlobals().StudioName.isEmpty());
    ASSERT_TRUE(StudioSettings::save(QStringLiteral("Studio Bianchi, geometri"), QStringLiteral("Corso Italia 1")));
    appGlobals().StudioName.clear();
    appGlobals().StudioAddress.clear();
    StudioSettings::load(); // the next run
    EXPECT_EQ(appGlobals().StudioName, QStringLiteral("Studio Bianchi, geometri"));
    EXPECT_EQ(appGlobals().StudioAddress, QStringLiteral("Corso Italia 1"));
    StudioSettings::save(QString(), QString());
    StudioSettings::useFile(QString());
}

TEST(TitlePageFile, AllTwentyFieldsRoundTripThroughBothWindows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-giro"));
    Modulo::InitDialogTitles();
    appGlobals().StudioName = QStringLiteral("Studio di questo ufficio");

    Window first;
    TitlePageModel &page = first.titlePage;
    ProjectionModel &projection = first.m();
    ScriptedDialogs &dialogs = first.dialogs;
    const QStringList inputs{"1995", "8000", "1,3", "15", "46", "7", "82", "5", "", "2025"};
    for (int i = 0; i < inputs.size(); ++i)
        projection.setText(static_cast<F>(i), inputs[i]);
    projection.calcola_Click();
    ASSERT_FALSE(projection.popolazione().isEmpty());
    page.write(
        {"Ricerca, con virgola", "Località", "tipo", "Comune", "", "1 gen 2026", "", "Studio nel file", "Via Roma, 1"});
    dialogs.choices.push_back(path);
    ASSERT_EQ(projection.files().salvafile_Click(), ProjectionModel::SaveResult::Saved);

    Window second;
    TitlePageModel &page2 = second.titlePage;
    ProjectionModel &projection2 = second.m();
    ScriptedDialogs &dialogs2 = second.dialogs;
    page2.cancella_click();
    dialogs2.choices.push_back(path);
    ASSERT_EQ(projection2.files().aprifile_Click(), ProjectionModel::OpenResult::Opened);
    EXPECT_EQ(page2.read(), page.read());
    EXPECT_EQ(page2.labelstudio(), QStringLiteral("Studio nel file"));
    EXPECT_EQ(page2.text(TF::data), QStringLiteral("1 gen 2026"));
    // The program-wide office stays the user's own.
    EXPECT_EQ(appGlobals().StudioName, QStringLiteral("Studio di questo ufficio"));
    for (int i = 0; i < inputs.size(); ++i)
        EXPECT_EQ(projection2.text(static_cast<F>(i)), projection.text(static_cast<F>(i)))
            << ProjectionInputs::name(static_cast<F>(i)).toStdString();
    appGlobals().StudioName.clear();
}

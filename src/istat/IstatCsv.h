// ISTAT's CSV files as published: fields separated by ";", optionally in
// double quotes (a doubled quote inside stands for one), UTF-8 with or
// without a byte-order mark, "." as thousands separator. Records are read in
// place, one at a time, so a large file costs no copy of its fields.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace IstatCsv {

// No ISTAT table has near this many columns; wider records are refused.
inline constexpr int kMaxFields = 500;
// The largest count a municipality's cell may hold (Italy has about 59 million
// inhabitants): it keeps every sum of the derivations exact in 64 bits.
inline constexpr qint64 kMaxCount = 1'000'000'000;

class Records {
public:
    explicit Records(QByteArrayView text);
    // Moves to the next record; false at the end of the text.
    bool next();
    // The fields of the current record, quotes removed (doubled quotes kept).
    const std::vector<QByteArrayView> &fields() const { return m_fields; }
    // Its number, from 1; a record may span lines inside quotes.
    qint64 number() const { return m_number; }
    // True when it had more than kMaxFields fields (only those are kept).
    bool tooWide() const { return m_tooWide; }

private:
    void quotedField();
    void plainField();
    QByteArrayView m_text;
    qsizetype m_pos = 0;
    qint64 m_number = 0;
    bool m_tooWide = false;
    std::vector<QByteArrayView> m_fields;
};

// A field as text: UTF-8, or Latin-1 when it is not valid UTF-8 (a table
// saved again by a spreadsheet); doubled quotes undone, blanks trimmed.
QString text(QByteArrayView field);

// A heading as words: lower case, accents and signs dropped ("Popolazione
// censita al 1° gennaio - Totale" gives popolazione censita al 1 gennaio -
// totale, the dash kept as a word of its own).
QStringList words(const QString &heading);

// A whole number as ISTAT writes it ("12", "-3", "12.345"); nothing when the
// field holds anything else or more than kMaxCount.
std::optional<qint64> count(QByteArrayView field);

// A municipality's code ("046017", "1001") as a number, so that leading zeros
// dropped by a spreadsheet do not make another municipality; nothing when the
// field is no code (a blank, a total or a note line).
std::optional<qint64> code(QByteArrayView field);

// The year a table is about: the one its title dates ("al 31 dicembre 2023"),
// else the one in its file name ("P2_2023_it_Comuni.zip"), else the first
// year its title names.
std::optional<int> year(const QString &title, const QString &fileName);

} // namespace IstatCsv

// The nine texts of the title page, in the order the study file stores them.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

struct TitlePageData {
    QString ricerca;
    QString localita;
    QString tipostudio;
    QString committente;
    QString luogo;
    QString data;
    QString allegati;
    QString labelstudio;
    QString labelindirizzo;

    bool operator==(const TitlePageData &) const = default;

    QStringList fields() const;
    // Missing trailing fields stay empty.
    static TitlePageData fromFields(const QStringList &fields);

    // "dddd, d MMM yyyy" in Italian: "domenica, 6 dic 2026".
    static QString longDate(const QDate &date);
    // The caption a user reads for each field, for messages naming it.
    static QString fieldCaption(int index);
};

// Where the projection window reads and writes the title page (the study
// joins the two).
class TitlePageLink {
public:
    virtual ~TitlePageLink() = default;
    virtual TitlePageData read() = 0;
    virtual void write(const TitlePageData &data) = 0;
};

// The title-page window without widgets: its seven text boxes, the two office
// labels and the guidance box, its data check and its clearing. It is where
// the projection window reads and writes the title page of a study.
#pragma once

#include "TitlePageTexts.h"
#include "storage/TitlePageData.h"

#include <QDate>
#include <QObject>
#include <array>
#include <functional>

class Messenger;
class ProjectionModel;

class TitlePageModel : public QObject, public TitlePageLink {
    Q_OBJECT

public:
    enum class Field { ricerca, localita, tipostudio, committente, luogo, data, allegati };
    static constexpr int kFieldCount = 7;

    // What the title page needs of the projection window: its result (reading
    // it may create the projection's model) and a way to bring it forward.
    class Projection {
    public:
        virtual ~Projection() = default;
        virtual QString popolazione() = 0;
        virtual void show() = 0;
        virtual ProjectionModel &projectionModel() = 0;
    };

    TitlePageModel(Messenger &messenger, Projection &projection, QDate today = QDate::currentDate(),
                   QObject *parent = nullptr);

    // The projection window's model of the moment, where the file commands go.
    ProjectionModel &projection() { return m_projection.projectionModel(); }

    QString text(Field field) const { return m_fields[static_cast<std::size_t>(field)]; }
    void setText(Field field, const QString &text);
    QString labelstudio() const { return m_labelstudio; }
    QString labelindirizzo() const { return m_labelindirizzo; }
    QString passo() const { return m_passo; }
    void setPasso(const QString &text);

    void controlloFrontespizio();
    void cancella_click();
    // Salva from the title page: the projection's, and the guidance says where.
    bool salva_Click();
    // Whether the program or the study has an office to sign the documents.
    bool hasOffice() const;
    // Asks the user for the office when neither has one (true once there is
    // one); without it the documents go out with what there is.
    void setOfficeRequest(std::function<bool()> ask) { m_askOffice = std::move(ask); }
    // A document is never signed by nobody: with no office at all, the user
    // is asked for one (false: Annulla, nothing is written).
    bool officeReady();

    // The program-wide office changed: labels still showing the old one follow.
    void officeChanged(const QString &oldName, const QString &oldAddress);

    TitlePageData read() override;
    void write(const TitlePageData &data) override;

    static QString fieldName(Field field);
    static QString labelCaption(int index); // the nine captions, 0 to 8
    static QString labelTooltip(int index); // empty for the office rows

    static inline const QString kOpening = TitlePageTexts::kOpening;

signals:
    void changed();
    // A data message was about this field (its name): the window focuses it.
    void messageAbout(const QString &field);

private:
    void Form_Load(const QDate &today);

    Messenger &m_messenger;
    Projection &m_projection;
    std::array<QString, kFieldCount> m_fields;
    QString m_labelstudio;
    QString m_labelindirizzo;
    QString m_passo;
    std::function<bool()> m_askOffice;
};

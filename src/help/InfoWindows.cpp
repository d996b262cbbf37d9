#include "InfoWindows.h"

#include "HelpDocuments.h"
#include "ProgramFolder.h"
#include "core/AppGlobals.h"
#include "widgets/Look.h"
#include "app/Program.h"
#include "scaling/LineControl.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect twips,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(align);
    Look::place(l, twips.x(), twips.y(), twips.width(), twips.height());
    return l;
}

void rule(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2)
{
    auto *line = new LineControl(parent);
    line->setObjectName(name);
    line->setColor(Qt::darkGray);
    line->setPoints(QPoint(Look::px(x1), Look::px(y1)), QPoint(Look::px(x2), Look::px(y2)));
}

} // namespace

informaz::informaz(Program &program) : QWidget(nullptr), m_program(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(Look::px(6975), Look::px(3840));
    const AppGlobals &g = appGlobals();
    setWindowTitle(QStringLiteral("Informazioni su ") + g.ProgramName);

    label(this, QStringLiteral("Label3"), QString(), {120, 0, 6615, 375}, Qt::AlignCenter)
        ->setFont(Look::font(QStringLiteral("Arial"), 18, true, true));
    label(this, QStringLiteral("Label1"), g.ProgramName, {240, 360, 6495, 615}, Qt::AlignCenter)
        ->setFont(Look::font(QStringLiteral("Arial Black"), 24, true));
    label(this, QStringLiteral("Label2"), g.ProgramDescription, {240, 960, 6495, 255}, Qt::AlignCenter)
        ->setFont(Look::font(QStringLiteral("MS Sans Serif"), 9.75));
    rule(this, QStringLiteral("Line1"), 240, 1320, 6720, 1320);
    label(this, QStringLiteral("Label5"), QStringLiteral("per sistemi Windows a 32 bit "), {2400, 1440, 2175, 255});
    label(this, QStringLiteral("Label6"), HelpDocuments::editionLine(g.ProgramVersion, g.ReleaseDate, g.ReleaseCode),
          {1320, 1680, 4335, 255}, Qt::AlignCenter);
    rule(this, QStringLiteral("Line2"), 1320, 2040, 5640, 2040);
    QLabel *music = label(this, QStringLiteral("label7"), supportoclienti::value(QStringLiteral("musica")),
                          {0, 2160, 6975, 255}, Qt::AlignCenter);
    Look::paint(music, QColor(), QColor(0, 0, 255));
    rule(this, QStringLiteral("Line3"), 480, 2520, 6480, 2520);
    QLabel *notice = label(this, QStringLiteral("Label4"), supportoclienti::value(QStringLiteral("avviso")),
                           {240, 2640, 3495, 1215}, Qt::AlignLeft | Qt::AlignTop);
    notice->setWordWrap(true);
    QFont small = notice->font();
    small.setPointSizeF(7);
    notice->setFont(small);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    Look::place(ok, 5160, 3120, 1575, 495);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    Look::plainLabels(this);
}

void informaz::closeEvent(QCloseEvent *event)
{
    m_program.forget(this);
    event->accept();
}

QString supportoclienti::value(const QString &key)
{
    QSettings settings(ProgramFolder::file(QStringLiteral("supportoclienti.ini")), QSettings::IniFormat);
    return settings.value(QStringLiteral("supporto/") + key).toString();
}

supportoclienti::supportoclienti(Program &program) : QWidget(nullptr), m_program(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    setFixedSize(Look::px(6975), Look::px(3960));

    label(this, QStringLiteral("Label1"), QString(), {240, 120, 3015, 375})
        ->setFont(Look::font(QStringLiteral("Arial"), 14.25, true, true));
    label(this, QStringLiteral("Label6"), value(QStringLiteral("dal")), {3360, 240, 975, 255});
    label(this, QStringLiteral("Label2"), value(QStringLiteral("indirizzo")), {240, 720, 3615, 255});
    label(this, QStringLiteral("Label3"), value(QStringLiteral("telefono")), {240, 960, 3375, 255});
    QLabel *mail = label(this, QStringLiteral("Label9"), value(QStringLiteral("email")), {3720, 960, 3015, 255});
    QFont bold = font();
    bold.setBold(true);
    mail->setFont(bold);
    mail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rule(this, QStringLiteral("Line1"), 120, 1320, 6720, 1320);
    QLabel *help = label(this, QStringLiteral("Label4"), value(QStringLiteral("assistenza")), {240, 1440, 6495, 1215},
                         Qt::AlignLeft | Qt::AlignTop);
    help->setWordWrap(true);
    QLabel *custom = label(this, QStringLiteral("Label5"), value(QStringLiteral("personalizzazioni")),
                           {240, 2640, 6495, 615}, Qt::AlignLeft | Qt::AlignTop);
    custom->setWordWrap(true);
    rule(this, QStringLiteral("Line2"), 120, 3360, 4680, 3360);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    Look::place(ok, 4920, 3360, 1815, 495);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    label(this, QStringLiteral("Label8"), QStringLiteral("sito internet:"), {240, 3600, 1020, 255});
    QLabel *site =
        label(this, QStringLiteral("Label10"), value(QStringLiteral("sito")), {1260, 3600, 3315, 255}, Qt::AlignCenter);
    site->setFont(bold);
    Look::plainLabels(this);
}

void supportoclienti::closeEvent(QCloseEvent *event)
{
    m_program.forget(this);
    event->accept();
}

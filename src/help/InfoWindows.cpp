#include "InfoWindows.h"

#include "ControlTable.h"
#include "ProgramFolder.h"
#include "core/AppGlobals.h"
#include "output/HelpDocuments.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

using ControlTable::button;
using ControlTable::Control;
using ControlTable::ends;

QLabel *aligned(QWidget *parent, const Control &row, Qt::Alignment align)
{
    QLabel *label = ControlTable::makeLabel(parent, row);
    label->setAlignment(align);
    return label;
}

void text(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignLeft | Qt::AlignVCenter);
}

void centred(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignCenter);
}

// Several lines from the top left.
QLabel *wrapped(QWidget *parent, const Control &row)
{
    QLabel *label = aligned(parent, row, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void paragraph(QWidget *parent, const Control &row)
{
    wrapped(parent, row);
}

void rule(QWidget *parent, const Control &row)
{
    ControlTable::makeLine(parent, row);
}

// The about window's own kinds.

void banner(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("Arial"), 18, true, true));
}

void programName(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("Arial Black"), 24, true));
}

void description(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("MS Sans Serif"), 9.75));
}

void music(QWidget *parent, const Control &row)
{
    Look::paint(aligned(parent, row, Qt::AlignCenter), QColor(), QColor(0, 0, 255));
}

void smallPrint(QWidget *parent, const Control &row)
{
    QLabel *label = wrapped(parent, row);
    QFont small = label->font();
    small.setPointSizeF(7);
    label->setFont(small);
}

// The support window's own kinds.

void supportBanner(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignLeft | Qt::AlignVCenter)
        ->setFont(Look::font(QStringLiteral("Arial"), 14.25, true, true));
}

QFont boldOf(const QWidget *window)
{
    QFont bold = window->font();
    bold.setBold(true);
    return bold;
}

void mail(QWidget *parent, const Control &row)
{
    QLabel *label = aligned(parent, row, Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(boldOf(parent));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void site(QWidget *parent, const Control &row)
{
    aligned(parent, row, Qt::AlignCenter)->setFont(boldOf(parent));
}

} // namespace

informaz::informaz(WindowHost &host) : QWidget(nullptr), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(Look::px(6975), Look::px(3840));
    const AppGlobals &g = appGlobals();
    setWindowTitle(QStringLiteral("Informazioni su ") + g.ProgramName);
    const QString edition = HelpDocuments::editionLine(g.ProgramVersion, g.ReleaseDate, g.ReleaseCode);
    const QList<Control> table = {
        {"Label3", banner, {}, {}, {120, 0, 6615, 375}},
        {"Label1", programName, g.ProgramName, {}, {240, 360, 6495, 615}},
        {"Label2", description, g.ProgramDescription, {}, {240, 960, 6495, 255}},
        {"Line1", rule, {}, {}, ends(240, 1320, 6720, 1320)},
        {"Label5", text, "per sistemi Windows a 32 bit ", {}, {2400, 1440, 2175, 255}},
        {"Label6", centred, edition, {}, {1320, 1680, 4335, 255}},
        {"Line2", rule, {}, {}, ends(1320, 2040, 5640, 2040)},
        {"label7", music, supportoclienti::value("musica"), {}, {0, 2160, 6975, 255}},
        {"Line3", rule, {}, {}, ends(480, 2520, 6480, 2520)},
        {"Label4", smallPrint, supportoclienti::value("avviso"), {}, {240, 2640, 3495, 1215}},
        {"cmdOK", button, "OK", {}, {5160, 3120, 1575, 495}},
    };
    ControlTable::build(this, table);
    // OK only hides the window.
    ControlTable::onClick(this, "cmdOK", &QWidget::hide);
    ControlTable::escapeClicks(this, QStringLiteral("cmdOK"));
    Look::plainLabels(this);
}

void informaz::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}

QString supportoclienti::value(const QString &key)
{
    QSettings settings(ProgramFolder::file(QStringLiteral("supportoclienti.ini")), QSettings::IniFormat);
    return settings.value(QStringLiteral("supporto/") + key).toString();
}

supportoclienti::supportoclienti(WindowHost &host) : QWidget(nullptr), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    setFixedSize(Look::px(6975), Look::px(3960));
    const QList<Control> table = {
        {"Label1", supportBanner, {}, {}, {240, 120, 3015, 375}},
        {"Label6", text, value("dal"), {}, {3360, 240, 975, 255}},
        {"Label2", text, value("indirizzo"), {}, {240, 720, 3615, 255}},
        {"Label3", text, value("telefono"), {}, {240, 960, 3375, 255}},
        {"Label9", mail, value("email"), {}, {3720, 960, 3015, 255}},
        {"Line1", rule, {}, {}, ends(120, 1320, 6720, 1320)},
        {"Label4", paragraph, value("assistenza"), {}, {240, 1440, 6495, 1215}},
        {"Label5", paragraph, value("personalizzazioni"), {}, {240, 2640, 6495, 615}},
        {"Line2", rule, {}, {}, ends(120, 3360, 4680, 3360)},
        {"Command1", button, "OK", {}, {4920, 3360, 1815, 495}},
        {"Label8", text, "sito internet:", {}, {240, 3600, 1020, 255}},
        {"Label10", site, value("sito"), {}, {1260, 3600, 3315, 255}},
    };
    ControlTable::build(this, table);
    ControlTable::onClick(this, "Command1", &QWidget::hide);
    ControlTable::escapeClicks(this, QStringLiteral("Command1"));
    Look::plainLabels(this);
}

void supportoclienti::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}

#include "InfoWindows.h"

#include "ProgramFolder.h"
#include "core/AppGlobals.h"
#include "output/HelpDocuments.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

using Controls::Control;
using Controls::dressed;
using Controls::ends;
using Controls::Kind;

QLabel *aligned(QWidget *control, Qt::Alignment align)
{
    auto *label = static_cast<QLabel *>(control);
    label->setAlignment(align);
    return label;
}

void centred(QWidget *control)
{
    aligned(control, Qt::AlignCenter);
}

// Several lines from the top left.
QLabel *wrapped(QWidget *control)
{
    QLabel *label = aligned(control, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void paragraph(QWidget *control)
{
    wrapped(control);
}

// The about window's own kinds.

void banner(QWidget *control)
{
    aligned(control, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("Arial"), 18, true, true));
}

void programName(QWidget *control)
{
    aligned(control, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("Arial Black"), 24, true));
}

void description(QWidget *control)
{
    aligned(control, Qt::AlignCenter)->setFont(Look::font(QStringLiteral("MS Sans Serif"), 9.75));
}

void music(QWidget *control)
{
    Look::paint(aligned(control, Qt::AlignCenter), QColor(), QColor(0, 0, 255));
}

void smallPrint(QWidget *control)
{
    QLabel *label = wrapped(control);
    QFont small = label->font();
    small.setPointSizeF(7);
    label->setFont(small);
}

// The support window's own kinds.

void supportBanner(QWidget *control)
{
    control->setFont(Look::font(QStringLiteral("Arial"), 14.25, true, true));
}

QFont boldOf(const QWidget *window)
{
    QFont bold = window->font();
    bold.setBold(true);
    return bold;
}

void mail(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    label->setFont(boldOf(control->parentWidget()));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void site(QWidget *control)
{
    aligned(control, Qt::AlignCenter)->setFont(boldOf(control->parentWidget()));
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
    const std::vector<Control> table = {
        dressed(Kind::Label, "Label3", {}, {}, {120, 0, 6615, 375}, banner),
        dressed(Kind::Label, "Label1", g.ProgramName, {}, {240, 360, 6495, 615}, programName),
        dressed(Kind::Label, "Label2", g.ProgramDescription, {}, {240, 960, 6495, 255}, description),
        {Kind::Line, "Line1", {}, {}, ends(240, 1320, 6720, 1320)},
        {Kind::Label, "Label5", "per sistemi Windows a 32 bit ", {}, {2400, 1440, 2175, 255}},
        dressed(Kind::Label, "Label6", edition, {}, {1320, 1680, 4335, 255}, centred),
        {Kind::Line, "Line2", {}, {}, ends(1320, 2040, 5640, 2040)},
        dressed(Kind::Label, "label7", supportoclienti::value("musica"), {}, {0, 2160, 6975, 255}, music),
        {Kind::Line, "Line3", {}, {}, ends(480, 2520, 6480, 2520)},
        dressed(Kind::Label, "Label4", supportoclienti::value("avviso"), {}, {240, 2640, 3495, 1215}, smallPrint),
        {Kind::Button, "cmdOK", "OK", {}, {5160, 3120, 1575, 495}},
    };
    Controls::buildAll(this, table);
    // OK only hides the window.
    Controls::onClick(this, "cmdOK", &QWidget::hide);
    Controls::escapeClicks(this, QStringLiteral("cmdOK"));
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
    const std::vector<Control> table = {
        dressed(Kind::Label, "Label1", {}, {}, {240, 120, 3015, 375}, supportBanner),
        {Kind::Label, "Label6", value("dal"), {}, {3360, 240, 975, 255}},
        {Kind::Label, "Label2", value("indirizzo"), {}, {240, 720, 3615, 255}},
        {Kind::Label, "Label3", value("telefono"), {}, {240, 960, 3375, 255}},
        dressed(Kind::Label, "Label9", value("email"), {}, {3720, 960, 3015, 255}, mail),
        {Kind::Line, "Line1", {}, {}, ends(120, 1320, 6720, 1320)},
        dressed(Kind::Label, "Label4", value("assistenza"), {}, {240, 1440, 6495, 1215}, paragraph),
        dressed(Kind::Label, "Label5", value("personalizzazioni"), {}, {240, 2640, 6495, 615}, paragraph),
        {Kind::Line, "Line2", {}, {}, ends(120, 3360, 4680, 3360)},
        {Kind::Button, "Command1", "OK", {}, {4920, 3360, 1815, 495}},
        {Kind::Label, "Label8", "sito internet:", {}, {240, 3600, 1020, 255}},
        dressed(Kind::Label, "Label10", value("sito"), {}, {1260, 3600, 3315, 255}, site),
    };
    Controls::buildAll(this, table);
    Controls::onClick(this, "Command1", &QWidget::hide);
    Controls::escapeClicks(this, QStringLiteral("Command1"));
    Look::plainLabels(this);
}

void supportoclienti::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}

#include "frmTip.h"

#include "ProgramFolder.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

using Controls::Control;
using Controls::Kind;
using Controls::own;

// The icon and the texts sit on the yellow picture, made first.
QWidget *picture(QWidget *window)
{
    return window->findChild<QWidget *>(QStringLiteral("Picture1"), Qt::FindDirectChildrenOnly);
}

QWidget *yellowPicture(QWidget *window, const Control &)
{
    auto *picture = new QWidget(window);
    Look::paint(picture, QColor(255, 255, 192));
    return picture;
}

QWidget *icon(QWidget *window, const Control &)
{
    auto *icon = new QLabel(picture(window));
    icon->setPixmap(window->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    return icon;
}

QWidget *onPicture(QWidget *window, const Control &row)
{
    return new QLabel(row.caption, picture(window));
}

void heading(QWidget *control)
{
    QFont bold = control->window()->font();
    bold.setBold(true);
    control->setFont(bold);
}

void tipText(QWidget *control)
{
    auto *text = static_cast<QLabel *>(control);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

frmTip::frmTip(WindowHost &host) : QWidget(nullptr), m_host(host), m_model(ProgramFolder::file(TipModel::kFileName))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(Look::px(6135), Look::px(2955));
    const std::vector<Control> table = {
        own("Picture1", {}, {120, 120, 4455, 2715}, yellowPicture),
        own({}, {}, {60, 60, 480, 480}, icon),
        own("Label1", "Non tutti sanno che...", {540, 180, 2655, 255}, onPicture, heading),
        own("lblTipText", {}, {180, 840, 4095, 1635}, onPicture, tipText),
        {Kind::Button, "cmdOK", "&Chiudi", {}, {4800, 120, 1215, 375}},
        {Kind::Button, "cmdNextTip", "&Successivo", {}, {4800, 600, 1215, 375}},
        {Kind::Button, "cmdprecedente", "&Precedente", {}, {4800, 1080, 1215, 375}},
    };
    Controls::buildAll(this, table);
    m_text = findChild<QLabel *>(QStringLiteral("lblTipText"));
    Controls::onClick(this, "cmdOK", &QWidget::hide);
    Controls::escapeClicks(this, QStringLiteral("cmdOK"));
    Controls::onClick(this, "cmdNextTip", &frmTip::cmdNextTip_Click);
    Controls::onClick(this, "cmdprecedente", &frmTip::cmdprecedente_Click);
    Look::plainLabels(this);
    update_display();
}

void frmTip::cmdNextTip_Click()
{
    m_model.ShowNextTip();
    update_display();
}

void frmTip::cmdprecedente_Click()
{
    m_model.ShowPreviousTip();
    update_display();
}

void frmTip::update_display()
{
    QString text = m_model.lblTipText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setText(text);
}

void frmTip::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}

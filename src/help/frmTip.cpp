#include "frmTip.h"

#include "ControlTable.h"
#include "ProgramFolder.h"
#include "widgets/Look.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

using ControlTable::button;
using ControlTable::Control;

// The icon and the texts sit on the yellow picture, made first.
QWidget *picture(QWidget *window)
{
    return window->findChild<QWidget *>(QStringLiteral("Picture1"), Qt::FindDirectChildrenOnly);
}

void yellowPicture(QWidget *window, const Control &row)
{
    auto *picture = new QWidget(window);
    picture->setObjectName(row.name);
    Look::paint(picture, QColor(255, 255, 192));
    ControlTable::place(picture, row.twips);
}

void icon(QWidget *window, const Control &row)
{
    auto *icon = new QLabel(picture(window));
    icon->setPixmap(window->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    ControlTable::place(icon, row.twips);
}

void heading(QWidget *window, const Control &row)
{
    QLabel *heading = ControlTable::makeLabel(picture(window), row);
    QFont bold = window->font();
    bold.setBold(true);
    heading->setFont(bold);
}

void tipText(QWidget *window, const Control &row)
{
    QLabel *text = ControlTable::makeLabel(picture(window), row);
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
    const QList<Control> table = {
        {"Picture1", yellowPicture, {}, {}, {120, 120, 4455, 2715}},
        {{}, icon, {}, {}, {60, 60, 480, 480}},
        {"Label1", heading, "Non tutti sanno che...", {}, {540, 180, 2655, 255}},
        {"lblTipText", tipText, {}, {}, {180, 840, 4095, 1635}},
        {"cmdOK", button, "&Chiudi", {}, {4800, 120, 1215, 375}},
        {"cmdNextTip", button, "&Successivo", {}, {4800, 600, 1215, 375}},
        {"cmdprecedente", button, "&Precedente", {}, {4800, 1080, 1215, 375}},
    };
    ControlTable::build(this, table);
    m_text = findChild<QLabel *>(QStringLiteral("lblTipText"));
    ControlTable::onClick(this, "cmdOK", &QWidget::hide);
    ControlTable::escapeClicks(this, QStringLiteral("cmdOK"));
    ControlTable::onClick(this, "cmdNextTip", &frmTip::cmdNextTip_Click);
    ControlTable::onClick(this, "cmdprecedente", &frmTip::cmdprecedente_Click);
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

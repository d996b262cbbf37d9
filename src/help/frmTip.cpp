#include "frmTip.h"

#include "ProgramFolder.h"
#include "widgets/Look.h"
#include "app/Program.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

frmTip::frmTip(Program &program)
    : QWidget(nullptr), m_program(program), m_model(ProgramFolder::file(TipModel::kFileName))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(Look::px(6135), Look::px(2955));
    const QColor paleYellow(255, 255, 192);

    auto *picture = new QWidget(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    Look::paint(picture, paleYellow);
    Look::place(picture, 120, 120, 4455, 2715);
    auto *icon = new QLabel(picture);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    Look::place(icon, 60, 60, 480, 480);
    auto *heading = new QLabel(QStringLiteral("Non tutti sanno che..."), picture);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(bold);
    Look::place(heading, 540, 180, 2655, 255);
    m_text = new QLabel(picture);
    m_text->setObjectName(QStringLiteral("lblTipText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::place(m_text, 180, 840, 4095, 1635);

    struct Button {
        const char *name, *caption;
        int top;
    };
    for (const Button &b : {Button{"cmdOK", "&Chiudi", 120}, Button{"cmdNextTip", "&Successivo", 600},
                            Button{"cmdprecedente", "&Precedente", 1080}}) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        Look::place(button, 4800, b.top, 1215, 375);
    }
    connect(findChild<QPushButton *>(QStringLiteral("cmdOK")), &QPushButton::clicked, this, &QWidget::hide);
    connect(findChild<QPushButton *>(QStringLiteral("cmdNextTip")), &QPushButton::clicked, this,
            &frmTip::cmdNextTip_Click);
    connect(findChild<QPushButton *>(QStringLiteral("cmdprecedente")), &QPushButton::clicked, this,
            &frmTip::cmdprecedente_Click);
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
    m_program.forget(this);
    event->accept();
}

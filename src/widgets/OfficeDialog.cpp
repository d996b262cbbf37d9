#include "OfficeDialog.h"

#include "WindowHost.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "core/StudioSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OfficeDialog::OfficeDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("studioprofessionale"));
    setWindowTitle(QStringLiteral("Vicania: studio professionale"));
    auto *intro = new QLabel(QStringLiteral("Il nome e l'indirizzo dello studio compaiono nel frontespizio e nella "
                                            "relazione. Restano memorizzati per le prossime volte."),
                             this);
    intro->setWordWrap(true);
    m_name = new QLineEdit(appGlobals().StudioName, this);
    m_name->setObjectName(QStringLiteral("nome"));
    m_address = new QLineEdit(appGlobals().StudioAddress, this);
    m_address->setObjectName(QStringLiteral("indirizzo"));
    m_name->setMinimumWidth(320);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Studio professionale:"), m_name);
    form->addRow(QStringLiteral("&Indirizzo:"), m_address);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void OfficeDialog::edit(QWidget *parent, WindowHost &host)
{
    OfficeDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString oldName = appGlobals().StudioName, oldAddress = appGlobals().StudioAddress;
    const QString name = dialog.m_name->text().trimmed(), address = dialog.m_address->text().trimmed();
    if (!StudioSettings::save(name, address)) {
        host.messenger().show(
            {QStringLiteral("Lo studio professionale vale per questa sessione, ma non è stato possibile "
                            "memorizzarlo per le prossime."),
             appGlobals().HelpTitle, Message::Icon::Exclamation});
    }
    host.officeChanged(oldName, oldAddress);
}

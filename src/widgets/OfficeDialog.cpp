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
    m_intro = new QLabel(QStringLiteral("Il nome e l'indirizzo dello studio compaiono nel frontespizio e nella "
                                        "relazione. Restano memorizzati per le prossime volte."),
                         this);
    m_intro->setWordWrap(true);
    m_name = new QLineEdit(appGlobals().StudioName, this);
    m_name->setObjectName(QStringLiteral("nome"));
    m_address = new QLineEdit(appGlobals().StudioAddress, this);
    m_address->setObjectName(QStringLiteral("indirizzo"));
    m_name->setMinimumWidth(320);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Studio professionale:"), m_name);
    form->addRow(QStringLiteral("&Indirizzo:"), m_address);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
}

void OfficeDialog::edit(QWidget *parent, WindowHost &host)
{
    OfficeDialog dialog(parent);
    if (dialog.exec() == QDialog::Accepted)
        dialog.keep(host);
}

bool OfficeDialog::require(QWidget *parent, WindowHost &host)
{
    OfficeDialog dialog(parent);
    dialog.m_intro->setText(QStringLiteral("Nessuno studio professionale è impostato, né nel programma né nello "
                                           "studio: i documenti ne riportano il nome e l'indirizzo. Inseriscili qui; "
                                           "restano memorizzati per le prossime volte."));
    QPushButton *ok = dialog.m_buttons->button(QDialogButtonBox::Ok);
    auto named = [&dialog, ok] { ok->setEnabled(!dialog.m_name->text().trimmed().isEmpty()); };
    named();
    connect(dialog.m_name, &QLineEdit::textChanged, &dialog, named);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.keep(host);
    return true;
}

void OfficeDialog::keep(WindowHost &host)
{
    const QString oldName = appGlobals().StudioName, oldAddress = appGlobals().StudioAddress;
    const QString name = m_name->text().trimmed(), address = m_address->text().trimmed();
    if (!StudioSettings::save(name, address)) {
        host.messenger().show(
            {QStringLiteral("Lo studio professionale vale per questa sessione, ma non è stato possibile "
                            "memorizzarlo per le prossime."),
             appGlobals().HelpTitle, Message::Icon::Exclamation});
    }
    host.officeChanged(oldName, oldAddress);
}

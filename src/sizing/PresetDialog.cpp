#include "PresetDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace PresetDialog {

namespace {

QLineEdit *field(QDialog *dialog, const char *name, const QString &text, const char *accessible, int longest)
{
    auto *edit = new QLineEdit(text, dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromUtf8(accessible));
    edit->setMaxLength(longest);
    edit->setMinimumWidth(360);
    return edit;
}

} // namespace

std::optional<std::pair<QString, QString>> ask(QWidget *parent, const QString &name, const QString &rule)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("salvafigure"));
    dialog.setWindowTitle(QStringLiteral("Vicania: salva figure"));
    auto *intro = new QLabel(QStringLiteral("Le figure dei volumi, degli standard e, se digitata, della quota di "
                                            "abitazioni non occupate restano nelle impostazioni dello studio "
                                            "professionale, per tutti gli studi."),
                             &dialog);
    intro->setWordWrap(true);
    QLineEdit *nameEdit = field(&dialog, "nomefigure", name, "Nome delle figure", 80);
    nameEdit->setPlaceholderText(QStringLiteral("es. Emilia-Romagna"));
    QLineEdit *ruleEdit = field(&dialog, "normafigure", rule, "Norma citata", 200);
    ruleEdit->setPlaceholderText(QStringLiteral("es. L.R. Emilia-Romagna 24/2017, art. 35"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Nome:"), nameEdit);
    form->addRow(QStringLiteral("&Norma citata:"), ruleEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("Salva"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    const auto named = [nameEdit, ok] { ok->setEnabled(!nameEdit->text().trimmed().isEmpty()); };
    named();
    QObject::connect(nameEdit, &QLineEdit::textChanged, &dialog, named);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(nameEdit->text().trimmed(), ruleEdit->text().trimmed());
}

} // namespace PresetDialog

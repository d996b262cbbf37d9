#include "QtMessenger.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QTreeView>

namespace {

// A message box is as wide as its text needs, which can cut a longer title:
// a spacer across the bottom keeps room for the title and the title bar's
// icon and buttons.
void fitTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 4 * metrics.height() + 96;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// Wide enough for the names, sizes, kinds and dates of the files in full.
void fitToFiles(QFileDialog &dialog)
{
    QSize size = dialog.sizeHint().expandedTo(QSize(760, 460));
    if (const QScreen *screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog.resize(size);
    auto *details = dialog.findChild<QTreeView *>();
    QHeaderView *header = details ? details->header() : nullptr;
    if (!header || header->count() < 4)
        return;
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// The accept button of a dialog that deletes shows a bin, not a folder.
void showDeleting(QFileDialog &dialog)
{
    const auto *box = dialog.findChild<QDialogButtonBox *>();
    if (QPushButton *accept = box ? box->button(QDialogButtonBox::Open) : nullptr)
        accept->setIcon(dialog.style()->standardIcon(QStyle::SP_TrashIcon));
}

} // namespace

Message::Answer QtMessenger::show(const Message &message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title);
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    box.setText(text);
    switch (message.icon) {
    case Message::Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Message::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Message::Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Message::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (message.buttons == Message::Buttons::YesNo) {
        // Their captions come from Qt's Italian translation.
        QPushButton *yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        box.setDefaultButton(message.defaultButton == Message::Answer::Yes ? yes : no);
        box.setEscapeButton(no);
        fitTitle(box);
        box.exec();
        return box.clickedButton() == yes ? Message::Answer::Yes : Message::Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    fitTitle(box);
    box.exec();
    return Message::Answer::Ok;
}

QStringList QtFileDialogs::nameFilters(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        // Several patterns: ";" between them, a space for Qt.
        pattern.replace(u';', u' ');
        // A description that already names its pattern keeps only its words.
        const qsizetype paren = description.lastIndexOf(u'(');
        if (paren > 0 && description.endsWith(u')'))
            description = description.left(paren).trimmed();
        filters << description + QStringLiteral(" (") + pattern + u')';
    }
    return filters;
}

namespace {

// The dialog a request describes, run; the files chosen, or none on Annulla.
QStringList run(const FileDialogRequest &request, bool several)
{
    // The documents' folder is made on first use, as the documents make it,
    // and before the dialog, which would not list a folder made after it.
    const bool inFolder = !request.folder.isEmpty() && QDir().mkpath(request.folder);
    QFileDialog dialog(QApplication::activeWindow(), request.title, inFolder ? request.folder : QString());
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    fitToFiles(dialog);
    const QStringList filters = QtFileDialogs::nameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.acceptLabel.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, request.acceptLabel);
    if (request.kind == FileDialogRequest::Kind::Delete)
        showDeleting(dialog);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

std::optional<QString> QtFileDialogs::choose(const FileDialogRequest &request)
{
    const QStringList chosen = run(request, false);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.constFirst();
}

std::optional<QStringList> QtFileDialogs::chooseFiles(const FileDialogRequest &request)
{
    QStringList chosen = run(request, true);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

#include "DesktopDocuments.h"

#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "word/DocumentModel.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

DesktopDocuments::DesktopDocuments(Messenger &messenger) : m_messenger(messenger), m_folder(defaultFolder())
{
}

QString DesktopDocuments::defaultFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (base.isEmpty())
        base = QDir::homePath();
    return QDir(base).filePath(QStringLiteral("Vicania"));
}

QString DesktopDocuments::freeName(const QDir &folder, const QString &kind, const QDateTime &when)
{
    const QString stem = QStringLiteral("Vicania-%1-%2").arg(kind, when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QString name = stem + QStringLiteral(".docx");
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1-%2.docx").arg(stem).arg(n);
    return folder.filePath(name);
}

std::unique_ptr<DocumentWriter> DesktopDocuments::create()
{
    return std::make_unique<DocumentModel>();
}

bool DesktopDocuments::deliver(DocumentWriter &document, const QString &kind)
{
    const QString path = freeName(QDir(m_folder), kind, QDateTime::currentDateTime());
    return saveAndOpen(document, path,
                       QDir().mkpath(m_folder) ? QString() : QStringLiteral("la cartella non si può creare"));
}

bool DesktopDocuments::deliverNamed(DocumentWriter &document, const QString &fileName)
{
    // Beside the other documents: the program's folder belongs to the
    // package, not to the user. The writer replaces an older copy in one step.
    return saveAndOpen(document, QDir(m_folder).filePath(fileName),
                       QDir().mkpath(m_folder) ? QString() : QStringLiteral("la cartella non si può creare"));
}

bool DesktopDocuments::saveAndOpen(DocumentWriter &document, const QString &path, QString error)
{
    if (error.isEmpty() && document.save(path, &error)) {
        m_lastPath = path;
        if (!m_open || QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            return true;
        m_messenger.show(
            {QStringLiteral("Il documento è stato scritto nel file \"%1\", ma non è stato possibile aprirlo "
                            "con l'elaboratore di testi del sistema: aprilo da quella cartella.")
                 .arg(QDir::toNativeSeparators(path)),
             appGlobals().HelpTitle, Message::Icon::Exclamation});
        return false;
    }
    m_messenger.show({QStringLiteral("Non è stato possibile scrivere il documento nel file \"%1\" (%2). Il programma "
                                     "continua normalmente.")
                          .arg(QDir::toNativeSeparators(path), error),
                      appGlobals().HelpTitle, Message::Icon::Critical});
    return false;
}

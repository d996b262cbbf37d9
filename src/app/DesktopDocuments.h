// Finished documents go into the user's documents folder, in "Vicania", under
// a name that says what and when, never over another file, and open in the
// system's word processor.
#pragma once

#include "word/DocumentOutput.h"

#include <QDateTime>
#include <QDir>

class Messenger;

class DesktopDocuments : public DocumentOutput {
public:
    explicit DesktopDocuments(Messenger &messenger);

    std::unique_ptr<DocumentWriter> create() override;
    bool deliver(DocumentWriter &document, const QString &kind) override;
    bool deliverNamed(DocumentWriter &document, const QString &fileName) override;

    // Tests write elsewhere and open nothing.
    void setFolder(const QString &folder) { m_folder = folder; }
    void setOpening(bool open) { m_open = open; }
    QString lastPath() const { return m_lastPath; }

    static QString defaultFolder();
    // "Vicania-relazione-2026-12-07-183015.docx", with "-2", "-3" ... if taken.
    static QString freeName(const QDir &folder, const QString &kind, const QDateTime &when);

private:
    bool saveAndOpen(DocumentWriter &document, const QString &path, QString error);

    Messenger &m_messenger;
    QString m_folder;
    bool m_open = true;
    QString m_lastPath;
};

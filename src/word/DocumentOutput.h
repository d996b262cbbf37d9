// Where finished documents go: the desktop saves them in the user's documents
// and opens them in the word processor; vicania-cli writes them where told;
// tests keep them.
#pragma once

#include "DocumentWriter.h"

#include <QString>
#include <memory>

class DocumentOutput {
public:
    virtual ~DocumentOutput() = default;
    // A fresh document for one output.
    virtual std::unique_ptr<DocumentWriter> create() = 0;
    // Keeps and shows the finished document; false when that failed, after
    // telling the user why. kind names the document ("relazione", ...).
    virtual bool deliver(DocumentWriter &document, const QString &kind) = 0;
    // The same under a fixed file name (the collected guide), which replaces
    // the copy written last time.
    virtual bool deliverNamed(DocumentWriter &document, const QString &fileName) = 0;
};

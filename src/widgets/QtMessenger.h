// Message boxes and file dialogs on screen.
#pragma once

#include "core/FileDialogs.h"
#include "core/Messenger.h"

class QWidget;

class QtMessenger : public Messenger {
public:
    Message::Answer show(const Message &message) override;
};

class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> choose(const FileDialogRequest &request) override;
    std::optional<QStringList> chooseFiles(const FileDialogRequest &request) override;
    // "Descrizione|modello|..." as Qt name filters; "*.*" means every file.
    static QStringList nameFilters(const QString &windowsFilter);
};

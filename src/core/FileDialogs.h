// The common file dialog as the program drives it: title, Windows-style filter
// list ("description|pattern|..."), 1-based selected filter and the proposed name.
#pragma once

#include <QString>
#include <optional>

struct FileDialogRequest {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName;

    bool operator==(const FileDialogRequest &) const = default;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> choose(const FileDialogRequest &request) = 0;
};

// The one way the program writes a file: whole or not at all. The bytes go
// to a temporary file beside the target, are flushed to the disk and renamed
// over it; on any error the temporary file goes and the previous file stays
// byte for byte as it was. Reasons are in Italian words.
#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile {

enum class Links {
    Follow, // a link the user made keeps pointing where it did: its file is written
    Refuse, // only a regular file of this user's, never through a link
};

// False with the reason in error (Italian) when the file could not be written.
bool write(const QString &path, const QByteArray &bytes, QString *error, Links links = Links::Follow);

// A system error number in Italian words ("disco pieno", "permesso negato").
QString reason(int errorNumber);

} // namespace WholeFile

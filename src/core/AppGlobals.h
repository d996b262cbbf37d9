// Program-wide texts set at start-up and only read afterwards.
#pragma once

#include <QString>

struct AppGlobals {
    QString ProgramName;
    QString ProgramDescription;
    QString ProgramVersion;
    QString ReleaseDate;
    QString ReleaseCode;
    QString StudioName;
    QString StudioAddress;
    QString HelpTitle;
    QString DataCheckTitle;
    QString DeleteDialogTitle;
};

// The one instance the whole program reads.
AppGlobals &appGlobals();

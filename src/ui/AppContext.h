#pragma once

#include "birthdata/TimeChangeBase.h"
#include "common/DataFile.h"
#include "doc/LastFolders.h"
#include "doc/StartupSettings.h"
#include "draw/ChartResources.h"

namespace orvanta {

// What the application owns from start-up to exit and every window uses.
struct AppContext {
    StartupSettings settings;
    ChartResources resources;
    TimeChangeBase timeChanges;
    // The program's own settings file, where the recent files and the folders last used by
    // the file dialogs are kept; empty (nothing kept) until the start-up sets it.
    DataFile iniFile;
    LastFolders folders;
};

}  // namespace orvanta

#pragma once

#include "birthdata/TimeChangeBase.h"
#include "doc/StartupSettings.h"
#include "draw/ChartResources.h"

namespace orvanta {

// What the application owns from start-up to exit and every window uses.
struct AppContext {
    StartupSettings settings;
    ChartResources resources;
    TimeChangeBase timeChanges;
};

}  // namespace orvanta

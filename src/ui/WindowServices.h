#pragma once

#include <QWidget>

namespace orvanta {

class CommandTable;
struct AppContext;

// What a chart window is made with: the application's data, the commands its tool bar sends,
// and the window its dialogs appear over.
struct WindowServices {
    AppContext& context;
    CommandTable& commands;
    QWidget* dialogParent = nullptr;
};

}  // namespace orvanta

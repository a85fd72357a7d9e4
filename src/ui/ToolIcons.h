#pragma once

#include <QIcon>
#include <QString>

namespace orvanta {

// The small tool-bar pictures, drawn in code so they stay crisp at any screen scale.
class ToolIcons {
  public:
    enum class Kind {
        New,
        Open,
        Save,
        Print,
        Cut,
        Copy,
        Paste,
        About,
        Text,
        EventChart,
        Settings,
        BirthData,
        ZoomOut,
        ZoomIn,
        Calendar,
        Collection,
    };
    static QIcon icon(Kind kind);
};

}  // namespace orvanta

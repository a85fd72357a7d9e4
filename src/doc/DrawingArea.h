#pragma once

namespace orvanta {

// The size the natal chart window gives its wheel and table on screen, and the zoom the
// document's "Увеличить" and "Уменьшить" set. The views multiply the base size by the zoom.
struct DrawingArea {
    int baseWidth = 1000;
    int baseHeight = 1000;
    int zoom = 1;               // 1 or 2
    bool showPatterns = false;  // "Показать конфигурации": the wheel highlights the patterns

    int width() const { return baseWidth * zoom; }
    int height() const { return baseHeight * zoom; }
};

}  // namespace orvanta

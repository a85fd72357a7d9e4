#pragma once

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

namespace orvanta {

// What the chart windows build alike, so that their tool bars and bars look one way: a column
// without margins that starts with a tool bar of the small icons, and a bar's row and fields.
class FrameParts {
  public:
    struct Column {
        QVBoxLayout* layout;
        QToolBar* toolBar;
    };

    // Makes the frame delete itself once closed and lays it out as a column without margins
    // or spacing, its tool bar on top.
    static Column toolBarColumn(QWidget& frame);
    // The row of a bar under the tool bar, with the bar's narrow margins.
    static QHBoxLayout* barRow(QWidget& bar);
    // A field of the bar the window writes into, showing the placeholder while it is empty.
    static QLineEdit* readOnlyField(QWidget& bar, const char* placeholder);
};

}  // namespace orvanta

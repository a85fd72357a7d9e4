#include "ui/FrameParts.h"

namespace orvanta {

FrameParts::Column FrameParts::toolBarColumn(QWidget& frame) {
    frame.setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toolBar = new QToolBar(&frame);
    toolBar->setIconSize(QSize(16, 15));
    layout->addWidget(toolBar);
    return {layout, toolBar};
}

QHBoxLayout* FrameParts::barRow(QWidget& bar) {
    auto* row = new QHBoxLayout(&bar);
    row->setContentsMargins(4, 2, 4, 2);
    return row;
}

QLineEdit* FrameParts::readOnlyField(QWidget& bar, const char* placeholder) {
    auto* field = new QLineEdit(&bar);
    field->setReadOnly(true);
    field->setPlaceholderText(placeholder);
    return field;
}

}  // namespace orvanta

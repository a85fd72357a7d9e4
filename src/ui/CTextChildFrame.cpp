#include "ui/CTextChildFrame.h"

#include <QVBoxLayout>

#include "ui/CTextView.h"

namespace orvanta {

CTextChildFrame::CTextChildFrame(std::shared_ptr<OpenChart> chart, QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new CTextView(chart_, this);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

}  // namespace orvanta

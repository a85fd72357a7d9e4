#include "settings/SheetPage.h"

#include "common/MessageSink.h"

namespace orvanta {

void SheetPage::showEvent(QShowEvent* event) {
    shown_ = true;
    QWidget::showEvent(event);
}

bool SheetPage::refuse(const FieldRefusal& refusal, QLineEdit* field) {
    refusal_ = refusal;
    refusedField_ = field;
    return false;
}

void SheetPage::showRefusal() {
    if (!refusal_) return;
    MessageSink::report(refusal_->message);
    if (refusedField_ != nullptr) {
        refusedField_->setFocus();
        refusedField_->selectAll();
    }
}

bool SheetPage::takeOrShowRefusal() {
    if (takeControls()) return true;
    showRefusal();
    return false;
}

}  // namespace orvanta

#pragma once

#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "doc/FieldRefusal.h"

namespace orvanta {

// One page of a settings sheet: it moves values between its controls and its plain model,
// and remembers whether the user has seen it (cancelling resets only the pages shown).
class SheetPage : public QWidget {
    Q_OBJECT
  public:
    explicit SheetPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // Takes the controls' values into the model. False when a field was refused; the page
    // keeps the refusal for showRefusal.
    virtual bool takeControls() = 0;
    // Shows the model's values again.
    virtual void refreshControls() = 0;

    // Reports the last refusal and gives its field the focus.
    void showRefusal();
    bool wasShown() const { return shown_; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Keeps a refusal and the field it concerns; returns false for takeControls.
    bool refuse(const FieldRefusal& refusal, QLineEdit* field);
    // Takes the controls and, when a field is refused, says so at once.
    bool takeOrShowRefusal();

  private:
    bool shown_ = false;
    std::optional<FieldRefusal> refusal_;
    QLineEdit* refusedField_ = nullptr;
};

}  // namespace orvanta

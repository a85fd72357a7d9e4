#pragma once

#include <QCheckBox>
#include <QDialog>

namespace orvanta {

// "Важное сообщение": the notice shown at start-up until the user asks not to see it again.
class NoticeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NoticeDialog(QWidget* parent = nullptr);

    // The per-user setting: section "Tip", key "StartUp", 0 to show at start, 1 not to.
    static bool showAtStartup();
    static void setShowAtStartup(bool show);

    QCheckBox* showCheckBox() const { return showBox_; }

  protected:
    void done(int result) override;

  private:
    QCheckBox* showBox_ = nullptr;
};

}  // namespace orvanta

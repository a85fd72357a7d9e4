#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace orvanta {

// The borderless start-up picture: 640 × 480, centred, shown for ten seconds or until the first
// key press or mouse button anywhere in the program.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr int kShownMilliseconds = 10000;

    explicit SplashWindow(QImage picture, QWidget* parent = nullptr);
    ~SplashWindow() override;

    void showCentred();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QImage picture_;
    QTimer timer_;
};

}  // namespace orvanta

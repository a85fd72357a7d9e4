#pragma once

#include <QFileDialog>

#include "common/Picture.h"

namespace orvanta {

// The picture chooser: an open-file dialog for ".bmp" files bound to one picture of the
// document's records. A confirmed file is loaded into the picture; a file that cannot be used
// is refused with a message and, like cancelling, leaves the picture as it was.
class CChoosePictDlg : public QFileDialog {
    Q_OBJECT
  public:
    static constexpr const char* kFilter = "Точечный рисунок BMP (*.bmp *.BMP)";

    CChoosePictDlg(Picture& target, QWidget* parent = nullptr);

    // True when a picture was loaded.
    bool run();

  private:
    Picture& target_;
};

}  // namespace orvanta

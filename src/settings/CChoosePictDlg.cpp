#include "settings/CChoosePictDlg.h"

#include <filesystem>

#include "common/PictureImport.h"

namespace orvanta {

CChoosePictDlg::CChoosePictDlg(Picture& target, QWidget* parent)
    : QFileDialog(parent), target_(target) {
    setWindowTitle("Открыть");
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(kFilter);
    // Qt's own dialog speaks the program's language; the desktop's may not.
    setOption(QFileDialog::DontUseNativeDialog);
}

bool CChoosePictDlg::run() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return false;
    const QByteArray path = selectedFiles().front().toUtf8();
    return PictureImport::loadInto(std::filesystem::path(path.toStdString()), target_);
}

}  // namespace orvanta

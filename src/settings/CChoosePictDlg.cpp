#include "settings/CChoosePictDlg.h"

#include <filesystem>

#include "common/MessageSink.h"
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
    const auto loaded = PictureImport::loadInto(std::filesystem::path(path.toStdString()), target_);
    for (const auto& message : loaded.messages) MessageSink::report(message);
    return loaded.loaded();
}

}  // namespace orvanta

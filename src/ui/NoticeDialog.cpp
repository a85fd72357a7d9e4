#include "ui/NoticeDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

namespace orvanta {

NoticeDialog::NoticeDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Важное сообщение");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        "<p><b>Orvanta</b> — рабочее место астролога.</p>"
        "<p>Положения планет и куспиды домов рассчитываются по эфемеридам Swiss Ephemeris. "
        "Для точной карты важно верно указать время рождения, координаты места и разницу "
        "местного времени с Гринвичем: ошибка в час смещает Асцендент почти на целый знак.</p>"
        "<p>Тексты интерпретации — подсказка для размышления, а не приговор: окончательные "
        "выводы всегда делает астролог, видящий карту целиком.</p>",
        this);
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    layout->addWidget(text);
    showBox_ = new QCheckBox("&Показать подсказку при запуске", this);
    showBox_->setToolTip("Показывать это сообщение при каждом запуске программы");
    showBox_->setChecked(showAtStartup());
    layout->addWidget(showBox_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

bool NoticeDialog::showAtStartup() {
    return QSettings().value("Tip/StartUp", 0).toInt() == 0;
}

void NoticeDialog::setShowAtStartup(bool show) {
    QSettings().setValue("Tip/StartUp", show ? 0 : 1);
}

void NoticeDialog::done(int result) {
    setShowAtStartup(showBox_->isChecked());
    QDialog::done(result);
}

}  // namespace orvanta

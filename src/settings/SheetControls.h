#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace orvanta {

// The controls every settings page and dialog has, with their captions and tooltips.
class SheetControls {
  public:
    static constexpr const char* kTickTip = "Отметьте, учитывать или нет";
    static constexpr const char* kSymbolTip = "Можно сменить символ";
    static constexpr const char* kPictogramTip = "Можно сменить пиктограмму";
    static constexpr const char* kTextTip = "Интерпретация";

    // "OK" and "Отмена" at the right, bound to accept and reject.
    static QHBoxLayout* okCancelRow(QDialog* dialog);
    // "Запомнить" and "Восстановить" below a page's rows.
    static QHBoxLayout* rememberRestoreRow(QWidget* page, std::function<void()> remember,
                                           std::function<void()> restore);
    static QPushButton* textButton(QWidget* parent);
    // A bold column heading.
    static QLabel* heading(const QString& text, QWidget* parent);
};

}  // namespace orvanta

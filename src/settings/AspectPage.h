#pragma once

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "doc/AspectPageModel.h"
#include "settings/OwnerDrawnButton.h"
#include "settings/SheetPage.h"

namespace orvanta {

// An aspects page: two columns of nine rows (aspects 0 to 8 on the left, 9 to 17 on the
// right), each with the include box, the angle and orb fields, the owner-drawn buttons of the
// chart it belongs to and "Текст", and "Запомнить" and "Восстановить" below.
class AspectPage : public SheetPage {
    Q_OBJECT
  public:
    // Natal: line and symbol buttons. Transit: symbol, pictogram and colour buttons.
    enum class Columns { Natal, Transit };

    AspectPage(AspectPageModel& model, Columns columns, QWidget* parent = nullptr);

    bool takeControls() override;
    void refreshControls() override;

    void remember();
    void restore();

    QCheckBox* includeBox(int aspect) const { return row(aspect).include; }
    QLineEdit* angleField(int aspect) const { return row(aspect).angle; }
    QLineEdit* orbField(int aspect) const { return row(aspect).orb; }
    // The owner-drawn buttons of a row, left to right.
    OwnerDrawnButton* drawnButton(int aspect, int column) const {
        return row(aspect).buttons.at(static_cast<std::size_t>(column));
    }
    QPushButton* textButton(int aspect) const { return row(aspect).text; }

  private:
    struct Row {
        QCheckBox* include = nullptr;
        QLineEdit* angle = nullptr;
        QLineEdit* orb = nullptr;
        std::vector<OwnerDrawnButton*> buttons;
        QPushButton* text = nullptr;
    };

    const Row& row(int aspect) const { return rows_.at(static_cast<std::size_t>(aspect)); }
    QGridLayout* buildColumn(int first);
    void buildRow(QGridLayout* grid, int line, int aspect);
    std::vector<OwnerDrawnButton*> makeButtons(AspectSetting& aspect);
    void updateButtons();

    AspectPageModel& model_;
    Columns columns_;
    std::array<Row, kAspectCount> rows_;
};

}  // namespace orvanta

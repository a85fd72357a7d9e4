#pragma once

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <vector>

#include "doc/PlanetPageModel.h"
#include "settings/PictureButton.h"
#include "settings/SheetPage.h"

namespace orvanta {

// A planets page: the bodies in two columns of eight (1 to 8 on the left), on the radix page
// the twelve houses in a third column; each row has its tick box, the name, the picture
// buttons and "Текст", with "Запомнить" and "Восстановить" below.
class PlanetPage : public SheetPage {
    Q_OBJECT
  public:
    PlanetPage(PlanetPageModel& model, QWidget* parent = nullptr);

    bool takeControls() override;
    void refreshControls() override;

    void remember();
    void restore();

    QCheckBox* tickBox(int number) const { return row(number).tick; }
    PictureButton* symbolButton(int number) const { return row(number).symbol; }
    PictureButton* pictogramButton(int number) const { return row(number).pictogram; }
    QPushButton* textButton(int number) const { return row(number).text; }

    // The caption of a row: the body's name on the natal page, its spaced-out form on the
    // event chart's pages, the Roman number of a house.
    static QString caption(PlanetPageModel::Kind kind, int number);

  private:
    struct Row {
        QCheckBox* tick = nullptr;
        PictureButton* symbol = nullptr;
        PictureButton* pictogram = nullptr;  // the event chart's pages only
        QPushButton* text = nullptr;
    };

    const Row& row(int number) const { return rows_.at(static_cast<std::size_t>(number - 1)); }
    QGridLayout* buildColumn(int first, int last);
    void buildRow(QGridLayout* grid, int line, int number);
    PictureButton* pictureButton(Picture& picture, const char* tip);
    void updateButtons();

    PlanetPageModel& model_;
    bool natal_;
    std::vector<Row> rows_;
};

}  // namespace orvanta

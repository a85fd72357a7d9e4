#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/AspectSetting.h"
#include "doc/CZodiacDoc.h"
#include "doc/FieldRefusal.h"

namespace orvanta {

// What an aspects page decides: its own copy of angle, orb and include of the eighteen
// aspects of one table (natal or transit), the check of the typed values, and the storing and
// restoring of the table's defaults file. Colours, lines, pictures and labels are edited in
// the table itself.
class AspectPageModel {
  public:
    static constexpr double kLargestAngle = AspectSetting::kLargestAngle;

    struct Row {
        bool included = false;
        double angle = 0.0;
        double orb = 0.0;
    };
    // A row as its controls hold it.
    struct RowTexts {
        bool included = false;
        std::string angle;
        std::string orb;
    };
    using Rows = std::array<Row, kAspectCount>;
    using Texts = std::array<RowTexts, kAspectCount>;

    // hint: the views that show this table.
    AspectPageModel(CZodiacDoc& doc, AspectTable& table, std::string_view fileName, int hint);

    const Rows& rows() const { return rows_; }
    AspectTable& table() { return table_; }
    std::string_view fileName() const { return fileName_; }
    // The rows as texts for the controls.
    Texts texts() const;

    // Takes every row or none: the first refused field (in row order, angle before orb) is
    // returned and the page copy stays as it was.
    std::optional<FieldRefusal> take(const Texts& texts);

    void loadFromTable();
    void applyToTable();

    // "Запомнить": checks the texts first and writes nothing when a field is refused;
    // otherwise the values go into the table, the views are told and the eighteen records are
    // written. A failed write is reported and leaves the old file.
    std::optional<FieldRefusal> remember(const Texts& texts);
    // "Восстановить", also the page's reset: the table is read again from the file (all
    // fields) and the page copy taken from it. A missing file is reported and changes nothing.
    bool restore();

  private:
    void tellViews();

    CZodiacDoc& doc_;
    AspectTable& table_;
    std::string_view fileName_;
    int hint_;
    Rows rows_{};
};

}  // namespace orvanta

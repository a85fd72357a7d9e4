#pragma once

#include <QDialog>
#include <QListWidget>
#include <cstddef>
#include <optional>

#include "doc/SecondChartChoice.h"

namespace orvanta {

// The small dialog that picks the second chart: the other open charts and "Из файла...".
// What it offers and refuses is SecondChartChoice's; the dialog only shows the entries.
class SecondChartDialog : public QDialog {
    Q_OBJECT
  public:
    SecondChartDialog(const SecondChartChoice& choice, QWidget* parent = nullptr);

    // The entry chosen, nullopt on Cancel.
    static std::optional<std::size_t> choose(const SecondChartChoice& choice, QWidget* parent);
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
};

}  // namespace orvanta

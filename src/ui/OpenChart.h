#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "doc/CZodiacDoc.h"
#include "doc/DrawingArea.h"

namespace orvanta {

// One open chart: its document, the window title it goes by and the size its natal views are
// drawn at. Every child frame of the chart shares it.
class OpenChart : public QObject {
    Q_OBJECT
  public:
    explicit OpenChart(QString untitledName, QObject* parent = nullptr);
    ~OpenChart() override;

    CZodiacDoc& doc() { return *doc_; }
    const CZodiacDoc& doc() const { return *doc_; }
    DrawingArea& drawingArea() { return drawingArea_; }

    // The file name, or "Без имени 1" and so on for a chart never saved.
    QString title() const;
    QString filePath() const;
    bool hasFile() const { return !doc_->path().empty(); }

    // Tells every view of the chart to update; the hint says which (bit 0 natal, bit 1 event).
    void updateAllViews(int hint);
    void setModified(bool modified);

  signals:
    void titleChanged();
    void viewsUpdated(int hint);

  private:
    std::unique_ptr<CZodiacDoc> doc_;
    QString untitledName_;
    DrawingArea drawingArea_;
    int subscription_ = 0;
};

}  // namespace orvanta

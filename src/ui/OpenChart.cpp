#include "ui/OpenChart.h"

#include <QFileInfo>

namespace orvanta {

OpenChart::OpenChart(QString untitledName, QObject* parent)
    : QObject(parent),
      doc_(std::make_unique<CZodiacDoc>()),
      untitledName_(std::move(untitledName)) {
    // The document's own hints reach the Qt views through this signal.
    subscription_ = doc_->subscribe([this](int hint) { emit viewsUpdated(hint); });
}

OpenChart::~OpenChart() {
    doc_->unsubscribe(subscription_);
}

QString OpenChart::title() const {
    if (!hasFile()) return untitledName_;
    return QFileInfo(filePath()).fileName();
}

QString OpenChart::filePath() const {
    return QString::fromStdString(doc_->path().string());
}

void OpenChart::updateAllViews(int hint) {
    doc_->updateAllViews(hint);
}

void OpenChart::setModified(bool modified) {
    doc_->setModified(modified);
    emit titleChanged();
}

}  // namespace orvanta

#include "ui/FullReadingSource.h"

#include "common/MessageSink.h"
#include "texts/FullReading.h"
#include "texts/TextLibrary.h"

namespace orvanta {

FullReadingSource::Reading FullReadingSource::build() const {
    const NatalChart& natal = chart_.doc().natal();
    const TextLibrary library;
    auto result = FullReading(library).build(natal.birth, natal.chart, natal.aspects);
    return {std::move(result.text), result.complete};
}

bool FullReadingSource::isOutOfDate() const {
    if (!written_) return true;
    // A missing library file was named when the text was written; the comparison stays quiet.
    auto previous = MessageSink::install([](std::string_view) {});
    fresh_ = build();
    MessageSink::install(std::move(previous));
    return fresh_->text != text_;
}

void FullReadingSource::refresh() {
    if (written_ && !isOutOfDate()) return;
    // Built again when the library has a file missing, so that the message is given.
    Reading reading = fresh_ && fresh_->complete ? std::move(*fresh_) : build();
    fresh_.reset();
    text_ = std::move(reading.text);
    written_ = true;
}

std::string FullReadingSource::fileText(const std::string& text, bool) const {
    return FullReading::forCodePage(text);
}

}  // namespace orvanta

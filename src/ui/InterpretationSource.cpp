#include "ui/InterpretationSource.h"

#include "texts/LineEnds.h"
#include "ui/CTextView.h"

namespace orvanta {

bool InterpretationSource::isOutOfDate() const {
    return chart_.doc().interpretation().isOutOfDate();
}

void InterpretationSource::refresh() {
    chart_.doc().refreshInterpretation();
}

const std::string& InterpretationSource::text() const {
    return chart_.doc().interpretation().text();
}

std::string InterpretationSource::fileText(const std::string& text, bool edited) const {
    return edited ? LineEnds::toCrLf(text) : text;
}

QString InterpretationSource::unsavedQuestion() const {
    return CTextView::kUnsavedQuestion;
}

}  // namespace orvanta

#include "ui/WindowKinds.h"

#include <algorithm>

#include "ui/CBornChildFrame.h"
#include "ui/CReadingChildFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/CTrChildFrame.h"
#include "ui/CalendarChildFrame.h"

namespace orvanta {

WindowKinds WindowKinds::standard() {
    WindowKinds kinds;
    kinds.add<CBornChildFrame>();
    kinds.add<CTrChildFrame>();
    kinds.add<CTextChildFrame>();
    kinds.add<CalendarChildFrame>();
    kinds.add<CReadingChildFrame>();
    return kinds;
}

void WindowKinds::add(Kind kind) {
    kinds_.push_back(std::move(kind));
}

const WindowKinds::Kind* WindowKinds::find(const QString& name) const {
    const auto found = std::find_if(kinds_.begin(), kinds_.end(),
                                    [&name](const Kind& kind) { return kind.name == name; });
    return found == kinds_.end() ? nullptr : &*found;
}

}  // namespace orvanta

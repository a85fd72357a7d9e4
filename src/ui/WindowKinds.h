#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "ui/ChartWindow.h"

namespace orvanta {

// The one place that knows the kinds of chart window and makes them. A new kind is its class
// (see ChartWindow) and one add<…>() line in standard().
class WindowKinds {
  public:
    using Maker = std::function<ChartWindow*(std::shared_ptr<OpenChart>, const WindowServices&)>;
    using FirstOpening = std::function<bool(OpenChart&, const WindowServices&)>;

    struct Kind {
        QString name;
        Maker make;
        FirstOpening mayOpenFirst;
        // What the "Окно" menu calls a window of the kind; empty names none.
        QString caption;
    };

    // The program's kinds: the natal chart, the event chart and the interpretation text.
    static WindowKinds standard();

    template <class Frame>
    void add() {
        add(Kind{Frame::kKind,
                 [](std::shared_ptr<OpenChart> chart, const WindowServices& services) {
                     return static_cast<ChartWindow*>(Frame::make(std::move(chart), services));
                 },
                 &Frame::mayOpenFirst, captionOf<Frame>()});
    }
    void add(Kind kind);

    const Kind* find(const QString& name) const;
    const std::vector<Kind>& all() const { return kinds_; }

  private:
    template <class Frame>
    static QString captionOf() {
        if constexpr (requires { Frame::kCaption; }) {
            return QString::fromUtf8(Frame::kCaption);
        } else {
            return {};
        }
    }

    std::vector<Kind> kinds_;
};

}  // namespace orvanta

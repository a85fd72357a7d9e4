#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "events/TransitDay.h"

namespace orvanta {

// The legend beside the dial: what its arcs, sectors and rings are, then the colour of each
// aspect that appears on the day, as the event chart settings in force give it.
class DialLegend {
  public:
    struct Row {
        bool swatch = false;       // a colour patch before the text
        std::uint32_t colour = 0;  // Windows colour value: red in the low byte
        std::string text;
    };

    static std::vector<Row> rows(const TransitAspectTable& aspects, const TransitDay& day);

  private:
    static std::string aspectText(const AspectSetting& aspect);
};

}  // namespace orvanta

#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace orvanta {

// The overall figure the planets make around the wheel, judged by the empty arcs between them.
class ChartShape {
  public:
    enum class Kind { Bundle, Bowl, Bucket, Locomotive, Seesaw, Splash };

    // Bundle: all within 120 degrees (an empty arc of 240 or more). Bowl: all within 180.
    // Bucket: all but one within 180, the one standing alone in the empty half. Locomotive:
    // an empty arc of 120 or more. Seesaw: two empty arcs of 60 or more. Splash: anything else.
    // Fewer than three longitudes give a splash.
    static Kind of(std::vector<double> longitudes);

    // The planet that stands alone as the handle of a bucket: its index among the longitudes.
    static std::optional<std::size_t> handleOf(const std::vector<double>& longitudes);

    // "bundle", "bowl", … : the word the text library keys its descriptions by.
    static std::string_view name(Kind kind);
};

}  // namespace orvanta

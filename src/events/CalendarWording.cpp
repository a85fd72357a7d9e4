#include "events/CalendarWording.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "calc/Bodies.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, 12> kSignsEntered = {
    "Овен", "Телец",    "Близнецы", "Рак",     "Лев",     "Деву",
    "Весы", "Скорпион", "Стрелец",  "Козерог", "Водолей", "Рыбы",
};

constexpr std::array<const char*, 12> kHouseNumerals = {"I",   "II",   "III", "IV", "V",  "VI",
                                                        "VII", "VIII", "IX",  "X",  "XI", "XII"};

struct Glyph {
    double angle;
    const char* symbol;
};

constexpr std::array<Glyph, 9> kGlyphs = {{{0.0, "☌"},
                                           {30.0, "⚺"},
                                           {45.0, "∠"},
                                           {60.0, "⚹"},
                                           {90.0, "□"},
                                           {120.0, "△"},
                                           {135.0, "⚼"},
                                           {150.0, "⚻"},
                                           {180.0, "☍"}}};

}  // namespace

std::string CalendarWording::bodyName(int body) {
    return std::string(Bodies::name(body));
}

std::string CalendarWording::pointName(int point) {
    if (Bodies::isCusp(point)) {
        return std::string(kHouseNumerals[static_cast<std::size_t>(point - Bodies::kFirstCusp)]) +
               " дом";
    }
    return bodyName(point);
}

std::string CalendarWording::signEntered(int sign) {
    if (sign < 1 || sign > 12) return {};
    return kSignsEntered[static_cast<std::size_t>(sign - 1)];
}

std::string CalendarWording::aspectSymbol(double angle) {
    for (const Glyph& glyph : kGlyphs) {
        if (std::fabs(glyph.angle - angle) < 1e-9) return glyph.symbol;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%g°", angle);
    return text;
}

std::string CalendarWording::summary(const CalendarEvent& event) {
    const std::string body = bodyName(event.body);
    switch (event.kind) {
        case CalendarEvent::Kind::Aspect:
            return body + " " + aspectSymbol(event.aspectAngle) + " " + pointName(event.point);
        case CalendarEvent::Kind::Ingress:
            return body + " входит в " + signEntered(event.sign);
        case CalendarEvent::Kind::Station:
            return body + (event.retrograde ? ": ретроградная стоянка" : ": директная стоянка");
    }
    return body;
}

}  // namespace orvanta

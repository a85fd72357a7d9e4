#include "doc/MapFileLimits.h"

#include <cmath>
#include <string>

#include "calc/BirthDataLimits.h"
#include "calc/HouseSystems.h"
#include "common/ValueCheck.h"

namespace orvanta {

void MapFileLimits::checkBirth(const BirthData& birth) {
    BirthDataLimits::check(birth);
}

void MapFileLimits::checkPosition(const ObjectPosition& object) {
    // The computation keeps a longitude below 360 and splits it by truncation; the mean-motion
    // points may reach the end of a sign exactly.
    ValueCheck::inRange("долгота", object.longitude, 0.0, 360.0);
    ValueCheck::inRange("градус в знаке", object.degreeInSign, 0.0, 30.0);
    ValueCheck::inRange("минуты", object.minutes, 0.0, 60.0);
    ValueCheck::flag("признак попятности", object.retrograde);
    ValueCheck::inRange("номер знака", object.sign, 0, 12);
}

void MapFileLimits::checkObject(const ObjectPosition& object) {
    checkPosition(object);
    ValueCheck::inRange("секунды", object.seconds, 0.0, 60.0);
}

void MapFileLimits::checkSignAgreement(const ObjectPosition& object) {
    // Sign k begins at 30 (k - 1) degrees and the degree in sign is the rest of the longitude;
    // a mean-motion point at the exact end of a sign keeps that sign with 30 degrees in it. The
    // tolerance only absorbs the rounding of the repeated subtraction.
    constexpr double kTolerance = 1e-6;
    const bool neverComputed =
        object.sign == 0 && object.longitude == 0.0 && object.degreeInSign == 0.0;
    const double rest = object.longitude - 30.0 * (object.sign - 1) - object.degreeInSign;
    if (neverComputed || (object.sign != 0 && std::fabs(rest) <= kTolerance)) return;
    throw ValueCheck::Error("знак " + std::to_string(object.sign) + " и градус в знаке " +
                            ValueCheck::quote(object.degreeInSign) + " не согласуются с долготой " +
                            ValueCheck::quote(object.longitude));
}

void MapFileLimits::checkTail(std::int32_t housesUnavailable, const ZodiacOrientation& orientation,
                              std::int32_t houseSystem, std::int32_t autoGreenwich) {
    ValueCheck::flag("признак карты без домов", housesUnavailable);
    ValueCheck::flag("направление Зодиака", orientation.direction);
    ValueCheck::flag("отсчёт от Овна", orientation.fromAries);
    ValueCheck::flag("отсчёт от Асцендента", orientation.fromAscendant);
    ValueCheck::finite("угол поворота", orientation.angle);
    ValueCheck::inRange("система домов", houseSystem, HouseSystems::kNone,
                        HouseSystems::kCount - 1);
    ValueCheck::flag("автоматическое гринвичское время", autoGreenwich);
}

}  // namespace orvanta

#pragma once

#include <string>

namespace orvanta {

// A page field whose text was refused: which row and field, and the message to show before
// the focus goes back to it.
struct FieldRefusal {
    enum class Field { Angle, Orb, RotationAngle };

    int row = 0;
    Field field = Field::Angle;
    std::string message;
};

}  // namespace orvanta

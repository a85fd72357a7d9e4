#pragma once

#include <array>
#include <string>

#include "common/DegreeNotation.h"
#include "common/Picture.h"

namespace orvanta {

// What every chart drawing shares, owned by the application from start-up to exit: the twelve
// sign pictures and the three configured font face names.
struct ChartResources {
    static constexpr const char* kDefaultSerif = "Times New Roman Cyr";
    static constexpr const char* kDefaultMonospace = "Courier New Cyr";
    static constexpr const char* kDefaultSans = "MS Sans Serif";

    std::array<Picture, 12> signPictures;  // sign k at index k - 1
    std::string serifFace = kDefaultSerif;
    std::string monospaceFace = kDefaultMonospace;
    std::string sansFace = kDefaultSans;
    // How the table's right column and the printed legend write positions in a sign.
    DegreeNotation degreeNotation = DegreeNotation::Decimal;

    const Picture& signPicture(int sign) const;

    // Reads "BMP_ZZ\SET1\1.bmp" to "12.bmp" from the application folder; a missing file leaves
    // its picture empty.
    void loadSignPictures();
};

}  // namespace orvanta

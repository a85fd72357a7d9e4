#pragma once

#include <string>

#include "calc/AspectSetting.h"
#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "texts/TextLibrary.h"

namespace orvanta {

// Writes the interpretation of a natal chart from the text library: heading and birth data,
// the positions of the bodies, the short characteristic, the planetary traits of character,
// the aspects between the bodies and the closing text.
//
// Texts are UTF-8. The code page holds one character per byte and the codec maps every byte
// to one character, so each cut, "last character" and length below counts the characters of
// the library files exactly as their Windows-1251 bytes would.
class NatalInterpretation {
  public:
    struct Result {
        std::string text;       // CR LF line ends
        bool complete = false;  // false after a missing library file
        std::string message;    // when not complete: what the user is told of the missing file
    };

    explicit NatalInterpretation(const TextLibrary& library);

    // A missing opening or closing file or introduction stops the text where it is; a missing
    // keyed file ("SHORT.txt", "Pl_Zz.txt", "ASP.txt") gives no text at all, so that a torso
    // never passes for a whole interpretation.
    Result build(const BirthData& birth, const ChartData& chart,
                 const NatalAspectTable& aspects) const;

  private:
    const TextLibrary& library_;
};

}  // namespace orvanta

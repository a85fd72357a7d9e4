#include "doc/FileDamage.h"

namespace orvanta {

std::string FileDamage::within(const std::string& part, const FormatError& error) {
    return part + ": " + error.what();
}

std::string FileDamage::endsEarly(std::size_t offset) {
    return "файл обрывается на смещении " + std::to_string(offset);
}

}  // namespace orvanta

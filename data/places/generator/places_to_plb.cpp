// Turns the readable places table into the delivered "Place.PLB":
//   orvanta_places_to_plb places.tsv Place.PLB
#include <iostream>
#include <string>

#include "birthdata/PlaceBase.h"
#include "common/AtomicFile.h"
#include "generator/PlaceTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvanta_places_to_plb TABLE OUTPUT\n";
        return 2;
    }
    std::string error;
    const auto bytes = orvanta::AtomicFile::read(argv[1], &error);
    if (!bytes) {
        std::cerr << "orvanta_places_to_plb: " << error << "\n";
        return 1;
    }
    orvanta::PlaceBase base;
    try {
        const std::string text(bytes->begin(), bytes->end());
        for (const auto& place : orvanta::PlaceTable::parse(text)) base.append(place);
    } catch (const orvanta::PlaceTable::Error& failure) {
        std::cerr << argv[1] << ": " << failure.what() << "\n";
        return 1;
    }
    if (!base.save(argv[2], &error)) {
        std::cerr << "orvanta_places_to_plb: " << error << "\n";
        return 1;
    }
    return 0;
}

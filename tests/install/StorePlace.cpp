// Stores one place into the places base as the birth-data entry does, for a program whose
// delivered folder is the first argument: read user-first, write to the user's copy.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "birthdata/PlaceBase.h"
#include "common/AppFolder.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s DELIVERED-FOLDER NAME LAT LON\n", argv[0]);
        return 2;
    }
    orvanta::AppFolder::setOverride(argv[1]);
    orvanta::PlaceBase base;
    base.load(orvanta::AppFolder::find(orvanta::PlaceBase::kFileName));
    if (!base.append({argv[2], std::atof(argv[4]), std::atof(argv[3])})) return 1;
    std::string error;
    const auto target = orvanta::AppFolder::writable(orvanta::PlaceBase::kFileName);
    if (!base.save(target, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", target.c_str());
    return 0;
}

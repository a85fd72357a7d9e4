// Opens the places base as the birth-data entry does, for a program whose delivered folder is
// the first argument, and stores one place into it as "Сохранить" does: read user-first, write
// to the user's copy. Without a place it only opens the base, as a dialog that is closed again.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "birthdata/PlaceBase.h"
#include "common/AppFolder.h"
#include "common/DataFile.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: %s DELIVERED-FOLDER [NAME LAT LON]\n", argv[0]);
        return 2;
    }
    orvanta::AppFolder::setOverride(argv[1]);
    const auto file = orvanta::DataFile::named(orvanta::PlaceBase::kFileName);
    orvanta::PlaceBase base;
    if (base.loadForEntry(file) != orvanta::LoadStatus::Loaded) return 1;
    if (argc == 2) return 0;
    if (!base.append({argv[2], std::atof(argv[4]), std::atof(argv[3])})) return 1;
    std::string error;
    const auto target = file.writePath();
    if (!base.save(target, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", target.c_str());
    return 0;
}

#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace orvanta {

// Where every file of the program is read from and written to. Nothing else builds such paths.
//
// The delivered folder holds the programs' data as the build lays it out: the engine, the
// ephemeris files, the texts, the pictures, the delivered defaults and bases. It is the folder
// named by ORVANTA_HOME when that is set, else the executable's folder.
//
// The user's folder receives everything the program writes. An installed program (its delivered
// folder carries kInstalledMarker) has a read-only delivered folder, so the user's folder is
// $XDG_DATA_HOME/orvanta (~/.local/share/orvanta). Run from the build folder, from a portable
// copy, or with ORVANTA_HOME set, the delivered folder is the user's folder too, as one folder
// for everything.
class AppFolder {
  public:
    // The file the installation puts into the delivered folder.
    static constexpr const char* kInstalledMarker = "installed.txt";

    // The delivered folder.
    static std::filesystem::path path();

    // Tests and tools run the program as if it lived in folder (the delivered folder, whose
    // marker decides about the user's folder as for the real program); an empty path restores
    // the default.
    static void setOverride(const std::filesystem::path& folder);

    // The user's folder, created when missing.
    static std::filesystem::path userFolder();
    // $XDG_DATA_HOME/orvanta, or ~/.local/share/orvanta when XDG_DATA_HOME is unset or relative.
    static std::filesystem::path standardUserFolder();

    // A data file to read: "TXT_OR\\cup.txt" or "BMP_ZZ/SET1/1.bmp" is looked up in the user's
    // folder first, then in the delivered folder, each component matched without regard to
    // letter case. A file found in neither gives its path in the delivered folder.
    static std::filesystem::path find(std::string_view relativeName);

    // A part of the program (the engine library): only the delivered folder is searched, so
    // nothing in the user's folder is ever run.
    static std::filesystem::path findDelivered(std::string_view relativeName);

    // The path to write a data file to, in the user's folder. The first time, the user's copy
    // is made from the delivered file, so edits never touch the delivered files and removing a
    // damaged copy brings the delivered one back.
    static std::filesystem::path writable(std::string_view relativeName);

    // The folder of the running program itself, whatever ORVANTA_HOME says: the program's own
    // parts (the drawing plugin of orvanta-cli) lie there.
    static std::filesystem::path programFolder();

    // The lookup of find() below one folder; a component that does not exist is kept as
    // written, so the result is also the path to create a new file at.
    static std::filesystem::path findIn(const std::filesystem::path& folder,
                                        std::string_view relativeName);
};

}  // namespace orvanta

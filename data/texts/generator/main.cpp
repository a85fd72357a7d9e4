// orvanta_textgen OUTPUT SOURCE...: builds one file of the interpretation text library from its
// UTF-8 sources. The output is written only when every source converts, so a failed build
// never leaves a half-written library file behind.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>

#include "generator/TextSourceConverter.h"

namespace {

bool readFile(const std::filesystem::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    auto temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: orvanta_textgen OUTPUT SOURCE...\n";
        return 2;
    }
    orvanta::TextSourceConverter converter;
    for (int i = 2; i < argc; ++i) {
        std::string source;
        if (!readFile(argv[i], source)) {
            std::cerr << argv[i] << ": cannot read the text source\n";
            return 1;
        }
        if (!converter.append(argv[i], source)) {
            std::cerr << converter.error() << '\n';
            return 1;
        }
    }
    if (!writeFile(argv[1], converter.output())) {
        std::cerr << argv[1] << ": cannot write the library file\n";
        return 1;
    }
    return 0;
}

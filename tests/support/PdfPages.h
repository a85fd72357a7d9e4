#pragma once

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

namespace orvanta::testing {

// What a PDF file says of its pages: how many page objects ("/Type /Page", not the page
// tree's "/Type /Pages") and the first page's media box in points.
struct PdfPages {
    int count = 0;
    int width = 0;
    int height = 0;

    static PdfPages of(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream read;
        read << in.rdbuf();
        const std::string bytes = read.str();
        PdfPages pages;
        const std::regex page(R"(/Type\s*/Page[^s])");
        pages.count = static_cast<int>(std::distance(
            std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
        std::smatch box;
        const std::regex mediaBox(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+))");
        if (std::regex_search(bytes, box, mediaBox)) {
            pages.width = static_cast<int>(std::lround(std::stod(box[1])));
            pages.height = static_cast<int>(std::lround(std::stod(box[2])));
        }
        return pages;
    }
};

}  // namespace orvanta::testing

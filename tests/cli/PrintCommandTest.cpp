#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "support/PdfPages.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::PdfPages;
using testing::runCli;

PdfPages pagesOf(const std::string& path) {
    return PdfPages::of(path);
}

class PrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sample_ = (folder_ / "sample.map").string();
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, sample_);
    }
    std::string out(const char* name) const { return (folder_ / name).string(); }

    testing::ScratchFolder folder_;
    std::string sample_;
};

// Every kind of page goes into a PDF of the paper asked for: A4 is 595 x 842 points, Letter
// 612 x 792, turned across with --landscape.
TEST_F(PrintCommandTest, EveryKindPrintsOnThePaperAskedFor) {
    struct Case {
        const char* name;
        const char* options;
        int width, height;
    };
    const Case cases[] = {
        {"wheel.pdf", "--wheel", 595, 842},
        {"table.pdf", "--table --landscape", 842, 595},
        {"text.pdf", "--text --paper letter", 612, 792},
        {"dial.pdf", "--dial --date 15.06.2024 --paper Letter --landscape", 792, 612},
    };
    for (const Case& c : cases) {
        const auto result = runCli("print " + sample_ + " " + c.options + " " + out(c.name));
        ASSERT_EQ(result.exitCode, 0) << c.name << result.err;
        EXPECT_EQ(result.out, out(c.name) + "\n");
        const PdfPages pages = pagesOf(out(c.name));
        EXPECT_GE(pages.count, 1) << c.name;
        EXPECT_EQ(pages.width, c.width) << c.name;
        EXPECT_EQ(pages.height, c.height) << c.name;
    }
    // The pictures are one page each; the interpretation of the sample runs over several.
    EXPECT_EQ(pagesOf(out("wheel.pdf")).count, 1);
    EXPECT_EQ(pagesOf(out("dial.pdf")).count, 1);
    EXPECT_GT(pagesOf(out("text.pdf")).count, 1);
}

TEST_F(PrintCommandTest, BadArgumentsAndDamagedFiles) {
    const std::string pdf = out("x.pdf");
    for (const std::string& arguments : {
             "print " + sample_ + " " + pdf,                           // no kind
             "print " + sample_ + " --text --wheel " + pdf,            // two kinds
             "print " + sample_ + " --dial " + pdf,                    // no date
             "print " + sample_ + " --dial --date 31.02.2024 " + pdf,  // no such day
             "print " + sample_ + " --text --date 15.06.2024 " + pdf,  // a date without the dial
             "print " + sample_ + " --text " + pdf + " --paper A3",
             "print " + sample_ + " --text " + out("x.png"),
             "print --text " + pdf,
         }) {
        const auto result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(runCli("print " + out("missing.map") + " --text " + pdf).exitCode, 1);
    std::filesystem::resize_file(sample_, 100);
    for (const char* kind : {"--text", "--dial --date 15.06.2024"}) {
        const auto damaged = runCli("print " + sample_ + " " + kind + " " + pdf);
        EXPECT_EQ(damaged.exitCode, 1) << kind;
        EXPECT_FALSE(damaged.err.empty()) << kind;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace orvanta

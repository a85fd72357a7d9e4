#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "CliRunner.h"
#include "common/Windows1251.h"
#include "doc/CZodiacDoc.h"

namespace orvanta {
namespace {

using testing::readWholeFile;
using testing::runCli;

class TextCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvanta-text-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

// Both line ends of the library, written out the long way round.
std::string withLf(std::string text) {
    for (const std::string end : {"\r\r\n", "\r\n"}) {
        for (auto at = text.find(end); at != std::string::npos; at = text.find(end, at + 1)) {
            text.replace(at, end.size(), "\n");
        }
    }
    return text;
}

TEST_F(TextCommandTest, FileHoldsTheDocumentsBytesAndTheTerminalGetsUtf8WithLf) {
    const auto out = (folder_ / "sample.txt").string();
    const auto saved = runCli("text " + std::string(ORVANTA_SAMPLE_MAP) + " -o " + out);
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(saved.out, "");

    CZodiacDoc doc;
    ASSERT_TRUE(doc.open(ORVANTA_SAMPLE_MAP).loaded());
    ASSERT_TRUE(doc.refreshInterpretation());
    ASSERT_TRUE(doc.interpretation().isComplete());
    const std::string bytes = readWholeFile(out);
    EXPECT_EQ(bytes, Windows1251::fromUtf8(doc.interpretation().text()));
    EXPECT_NE(bytes.find("\r\r\n"), std::string::npos);  // the traits entries keep their CR

    const auto printed = runCli("text " + std::string(ORVANTA_SAMPLE_MAP));
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out, withLf(Windows1251::toUtf8(bytes)));
    EXPECT_EQ(printed.out.find('\r'), std::string::npos);
}

TEST_F(TextCommandTest, BadArgumentsUnreadableChartsAndAMissingLibrary) {
    const std::string sample = ORVANTA_SAMPLE_MAP;
    EXPECT_EQ(runCli("text").exitCode, 2);
    EXPECT_EQ(runCli("text " + sample + " " + sample).exitCode, 2);
    EXPECT_EQ(runCli("text " + sample + " --json").exitCode, 2);
    EXPECT_EQ(runCli("text " + sample + " -o").exitCode, 2);

    const auto missing = runCli("text " + (folder_ / "none.map").string());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("нет такого файла"), std::string::npos) << missing.err;

    // An application folder without TXT_OR: the missing file is named and nothing is written.
    const auto out = folder_ / "partial.txt";
    const auto noLibrary =
        runCli("text " + sample + " -o " + out.string(), "ORVANTA_HOME=" + folder_.string());
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_NE(noLibrary.err.find("SHORT.txt"), std::string::npos) << noLibrary.err;
    EXPECT_EQ(noLibrary.out, "");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// The full reading: UTF-8 with LF on the terminal and in a file, the same text in Windows-1251
// with CR LF on --cp1251; --cp1251 alone is refused, and a missing reading file is named.
TEST_F(TextCommandTest, FullReadingInBothEncodings) {
    const std::string sample = ORVANTA_SAMPLE_MAP;
    const auto printed = runCli("text " + sample + " --full");
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out.find('\r'), std::string::npos);
    EXPECT_EQ(printed.out.rfind("ПОДРОБНЫЙ РАЗБОР КАРТЫ РОЖДЕНИЯ\n", 0), 0u);

    const auto utf8 = folder_ / "full.txt";
    ASSERT_EQ(runCli("text " + sample + " --full -o " + utf8.string()).exitCode, 0);
    EXPECT_EQ(readWholeFile(utf8.string()), printed.out);

    const auto cp1251 = folder_ / "full1251.txt";
    const auto saved = runCli("text " + sample + " --full --cp1251 -o " + cp1251.string());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    // CR LF for LF, and the minute sign, which the code page lacks, as an apostrophe.
    std::string crlf;
    for (const char c : printed.out) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string prime = "′";
    for (auto at = crlf.find(prime); at != std::string::npos; at = crlf.find(prime))
        crlf.replace(at, prime.size(), "'");
    EXPECT_EQ(readWholeFile(cp1251.string()), Windows1251::fromUtf8(crlf));

    EXPECT_EQ(runCli("text " + sample + " --cp1251").exitCode, 2);
    const auto noLibrary = runCli("text " + sample + " --full", "ORVANTA_HOME=" + folder_.string());
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_NE(noLibrary.err.find("FULL.txt"), std::string::npos) << noLibrary.err;
}

}  // namespace
}  // namespace orvanta

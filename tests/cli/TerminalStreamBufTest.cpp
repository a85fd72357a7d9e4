#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "cli/TerminalStreamBuf.h"

namespace orvanta {
namespace {

using cli::TerminalStreamBuf;

TEST(TerminalStreamBuf, ControlsAndBrokenBytesBecomeVisibleEscapes) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"Москва\tМосква\n", "Москва\tМосква\n"},       // tab and line feed stay
        {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},     // a title change, disarmed
        {"\x1b[2J\r\x7f", "\\x1b[2J\\x0d\\x7f"},        // CSI, carriage return, DEL
        {"a;b\r\n\r\rc\r", "a;b\r\n\\x0d\\x0dc\\x0d"},  // CR LF ends a line; lone CRs
        {"a\xc2\x9b"
         "31mb",
         "a\\x9b31mb"},                                // C1 CSI, U+009B as UTF-8
        {"\xc2\xa0\xc2\xa9", "\xc2\xa0\xc2\xa9"},      // U+00A0 and U+00A9 are text
        {"\xff\xfe", "\\xff\\xfe"},                    // never UTF-8
        {"\xd0", "\\xd0"},                             // a sequence cut at the end
        {"\xd0 x", "\\xd0 x"},                         // a lead byte without its tail
        {"\xc0\xaf", "\\xc0\\xaf"},                    // overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},           // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // beyond U+10FFFF
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},      // four bytes, well formed
    };
    for (const auto& c : cases) EXPECT_EQ(TerminalStreamBuf::escape(c.in), c.out) << c.in;
}

TEST(TerminalStreamBuf, SequencesSplitBetweenWritesAreKeptWhole) {
    std::ostringstream target;
    {
        TerminalStreamBuf buffer(target.rdbuf());
        std::ostream out(&buffer);
        // "Ж" (D0 96) written in two pieces; the first line goes out at its line feed.
        out << "x\x1b\n" << '\xd0';
        EXPECT_EQ(target.str(), "x\\x1b\n");
        out << '\x96' << "\n"
            << "tail\x01";
    }
    EXPECT_EQ(target.str(), "x\\x1b\n\xd0\x96\ntail\\x01");
}

class TerminalOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvanta-terminal-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::filesystem::path folder_;
};

bool holdsControlOrHighByte(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f) return true;
    }
    return text.find("\xc2\x98") != std::string::npos;
}

TEST_F(TerminalOutputTest, NamesFromFilesCannotSteerTheTerminal) {
    // One place named ESC "]0;x" BEL, then byte 0x98, which Windows-1251 reads as U+0098.
    std::string file("\x01\x00\x00\x00\x07\x00\x00\x00\x1b]0;x\x07\x98", 15);
    file += std::string(16, '\0');
    const auto result = testing::runCli("places --file " + write("Place.PLB", file));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\\x1b]0;x\\x07\\x98"), std::string::npos) << result.out;
    EXPECT_FALSE(holdsControlOrHighByte(result.out)) << result.out;
}

TEST_F(TerminalOutputTest, MessagesQuotingFileBytesStayValidText) {
    // The orientation reader quotes the word it could not read, converted from Windows-1251
    // ("я", ESC, "Р"); the escape disarms the control.
    const auto path =
        write("Default.rnd", std::string("\xff\x1b\xd0 1 0.000000 ", 15) + std::string(85, '\0'));
    const auto result = testing::runCli("show " + path);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("«я\\x1bР»"), std::string::npos) << result.err;
    EXPECT_FALSE(holdsControlOrHighByte(result.err)) << result.err;
    EXPECT_EQ(result.err.find('\xff'), std::string::npos);
}

}  // namespace
}  // namespace orvanta

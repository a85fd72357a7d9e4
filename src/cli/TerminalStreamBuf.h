#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace orvanta::cli {

// Stands between the tool's output streams and the terminal. Names, places and labels come
// from files and may hold control characters that move the cursor or retitle the terminal,
// or bytes that are not UTF-8: they are passed on as visible escapes such as "\x1b".
// Text is passed on a line at a time; the rest goes when the stream is flushed or destroyed.
// When the target refuses a write, the stream fails from then on and errorNumber() keeps the
// system's reason.
class TerminalStreamBuf : public std::streambuf {
  public:
    explicit TerminalStreamBuf(std::streambuf* target) : target_(target) {}
    ~TerminalStreamBuf() override;
    TerminalStreamBuf(const TerminalStreamBuf&) = delete;
    TerminalStreamBuf& operator=(const TerminalStreamBuf&) = delete;

    // C0 controls but tab, line feed and a carriage return right before a line feed, DEL, C1
    // controls (U+0080 to U+009F) and each byte that does not belong to a well-formed UTF-8
    // sequence become "\xNN" (the code point or the byte in two lower-case hex digits); everything
    // else stays as it is.
    static std::string escape(std::string_view bytes);

    bool failed() const { return failed_; }
    int errorNumber() const { return errorNumber_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize count) override;
    int sync() override;

  private:
    // Passes on the complete lines, or everything when final.
    bool passOn(bool everything);
    void fail();

    std::streambuf* target_;
    std::string pending_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

}  // namespace orvanta::cli

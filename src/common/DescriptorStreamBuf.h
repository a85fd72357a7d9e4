#pragma once

#include <array>
#include <streambuf>

namespace orvanta {

// A buffered output stream onto an open file descriptor that remembers the first failed
// write: a full disk or a closed pipe makes the stream fail, and errorNumber() says why.
class DescriptorStreamBuf : public std::streambuf {
  public:
    explicit DescriptorStreamBuf(int fd = -1);
    DescriptorStreamBuf(const DescriptorStreamBuf&) = delete;
    DescriptorStreamBuf& operator=(const DescriptorStreamBuf&) = delete;

    // Points at another descriptor; what is buffered is dropped, the failure forgotten.
    void reset(int fd);
    // 0 while every write succeeded.
    int errorNumber() const { return errorNumber_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize count) override;
    int sync() override;

  private:
    bool writeOut(const char* data, std::size_t size);
    bool drain();

    int fd_;
    int errorNumber_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace orvanta

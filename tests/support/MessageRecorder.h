#pragma once

#include <string>
#include <vector>

#include "common/MessageSink.h"

namespace orvanta::testing {

// Records what the code under test reports through the message sink while it lives.
class MessageRecorder {
  public:
    MessageRecorder()
        : previous_(MessageSink::install(
              [this](std::string_view text) { messages.emplace_back(text); })) {}
    ~MessageRecorder() { MessageSink::install(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::string> messages;

  private:
    MessageSink::Handler previous_;
};

}  // namespace orvanta::testing

#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvanta {

// Failures meant for a message box go through here: the desktop program shows them, the
// headless tool prints them, tests record them. Texts are UTF-8.
class MessageSink {
  public:
    using Handler = std::function<void(std::string_view text)>;

    // Installs a handler and returns the previous one; an empty handler restores the default,
    // which writes the text to standard error.
    static Handler install(Handler handler);

    static void report(std::string_view text);

    // Names the part of a file being read while it lives (contexts nest), so that a handler can
    // say where a report comes from; the report's own text stays what the desktop shows.
    class Context {
      public:
        explicit Context(std::string part);
        ~Context();
        Context(const Context&) = delete;
        Context& operator=(const Context&) = delete;
    };
    // The parts now being read, outermost first, joined by ", "; empty outside any.
    static std::string context();
};

}  // namespace orvanta

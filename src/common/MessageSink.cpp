#include "common/MessageSink.h"

#include <iostream>
#include <utility>

namespace orvanta {
namespace {

MessageSink::Handler& currentHandler() {
    static MessageSink::Handler handler;
    return handler;
}

}  // namespace

MessageSink::Handler MessageSink::install(Handler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

void MessageSink::report(std::string_view text) {
    if (currentHandler()) {
        currentHandler()(text);
    } else {
        std::cerr << text << '\n';
    }
}

}  // namespace orvanta

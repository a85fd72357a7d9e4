#include "common/MessageSink.h"

#include <iostream>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

MessageSink::Handler& currentHandler() {
    static MessageSink::Handler handler;
    return handler;
}

std::vector<std::string>& contexts() {
    static thread_local std::vector<std::string> parts;
    return parts;
}

}  // namespace

MessageSink::Context::Context(std::string part) {
    contexts().push_back(std::move(part));
}

MessageSink::Context::~Context() {
    contexts().pop_back();
}

std::string MessageSink::context() {
    std::string text;
    for (const auto& part : contexts()) text += (text.empty() ? "" : ", ") + part;
    return text;
}

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

// A stand-in for the ephemeris engine in tests: remembers the last request and answers with
// the values set through FakeEngine_SetAnswer.
#include <array>
#include <cstring>
#include <string>

namespace {
std::array<std::string, 12> lastArguments;
int lastArgumentCount = 0;
std::array<double, 33> answer{};
int calls = 0;
int status = 0;
}  // namespace

extern "C" {

int EntryPoint_Main(int argc, char** argv, double* result) {
    ++calls;
    lastArgumentCount = argc;
    for (int i = 0; i < argc && i < 12; ++i) lastArguments[static_cast<std::size_t>(i)] = argv[i];
    std::memcpy(result, answer.data(), sizeof(double) * answer.size());
    return status;
}

void FakeEngine_SetStatus(int value) {
    status = value;
}

void FakeEngine_SetAnswer(const double* values) {
    std::memcpy(answer.data(), values, sizeof(double) * answer.size());
}

const char* FakeEngine_Argument(int index) {
    return lastArguments[static_cast<std::size_t>(index)].c_str();
}

int FakeEngine_ArgumentCount() {
    return lastArgumentCount;
}
int FakeEngine_Calls() {
    return calls;
}
}

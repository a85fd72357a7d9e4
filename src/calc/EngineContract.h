#pragma once

namespace orvanta {

// The request/answer contract between the program and the engine library: the caller hands
// EntryPoint_Main an answer area of kResultSize doubles, which the engine fills. Both sides
// include this one definition.
struct EngineContract {
    static constexpr int kResultSize = 33;
};

}  // namespace orvanta

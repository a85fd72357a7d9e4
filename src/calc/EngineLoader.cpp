#include "calc/EngineLoader.h"

#include <dlfcn.h>

#include "common/AppFolder.h"

namespace orvanta {

EngineLoader::EngineLoader(std::filesystem::path libraryPath) : path_(std::move(libraryPath)) {}

EngineLoader::~EngineLoader() {
    unload();
}

std::filesystem::path EngineLoader::defaultLibraryPath() {
    return AppFolder::findDelivered(kLibraryFileName);
}

bool EngineLoader::load() {
    if (entry_ != nullptr) return true;
    if (handle_ == nullptr) handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) return false;
    entry_ = reinterpret_cast<EntryPoint>(dlsym(handle_, kEntryPointName));
    if (entry_ == nullptr) {
        unload();
        return false;
    }
    return true;
}

void EngineLoader::unload() {
    entry_ = nullptr;
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

void* EngineLoader::findEntry(const char* name) const {
    return handle_ == nullptr ? nullptr : dlsym(handle_, name);
}

std::string EngineLoader::swissEphemerisVersion() {
    if (!load()) return {};
    const auto entry = reinterpret_cast<EngineContract::VersionEntry>(
        findEntry(EngineContract::kVersionEntryName));
    if (entry == nullptr) return {};
    std::array<char, 256> text{};
    entry(text.data(), static_cast<int>(text.size()));
    return text.data();
}

int EngineLoader::call(const std::array<std::string, EngineArguments::kCount>& arguments,
                       Result& result) {
    // The engine receives its own copies, so nothing it does can reach our strings.
    std::array<std::array<char, EngineArguments::kMaxLength + 1>, EngineArguments::kCount> texts{};
    std::array<char*, EngineArguments::kCount> argv{};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        arguments[i].copy(texts[i].data(), EngineArguments::kMaxLength);
        argv[i] = texts[i].data();
    }
    result.fill(0.0);
    return entry_(EngineArguments::kCount, argv.data(), result.data());
}

}  // namespace orvanta

#include "cli/DrawingPlugin.h"

#include <dlfcn.h>

#include <ostream>

#include "common/AppFolder.h"

namespace orvanta::cli {
namespace {

struct LoadedPlugin {
    DrawingPlugin::EntryPoint entry = nullptr;
    std::string error;
};

// Qt's libraries stay loaded until the process ends: the plugin is never unloaded.
LoadedPlugin loadPlugin() {
    LoadedPlugin plugin;
    const auto file = DrawingPlugin::path();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        plugin.error = why != nullptr ? why : file.string();
        return plugin;
    }
    plugin.entry =
        reinterpret_cast<DrawingPlugin::EntryPoint>(dlsym(handle, DrawingPlugin::kEntryPointName));
    if (plugin.entry == nullptr) {
        plugin.error = file.string() + ": нет входа " + DrawingPlugin::kEntryPointName;
    }
    return plugin;
}

}  // namespace

std::filesystem::path DrawingPlugin::path() {
    return AppFolder::programFolder() / kFileName;
}

int DrawingPlugin::run(std::string_view command, const std::vector<std::string>& arguments,
                       std::ostream& out, std::ostream& err) {
    static const LoadedPlugin plugin = loadPlugin();
    if (plugin.entry == nullptr) {
        err << "orvanta-cli " << command
            << ": не удалось загрузить часть программы для рисования: " << plugin.error << "\n";
        return 1;
    }
    const std::string name(command);
    return plugin.entry(name.c_str(), &arguments, &out, &err);
}

}  // namespace orvanta::cli

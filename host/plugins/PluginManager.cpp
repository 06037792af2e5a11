#include "host/plugins/PluginManager.h"

#include "host/os/Files.h"
#include "host/plugins/ModuleFiles.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>

namespace {

struct EntryPoints {
    LibDescriptionFn description = nullptr;
    LibNumberClassesFn numberClasses = nullptr;
    LibClassDescFn classDesc = nullptr;
    LibVersionFn version = nullptr;
    ModuleEntryFn entry = nullptr;
};

std::string Hex(unsigned long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

std::string DescribeClass(const ClassDesc& desc) {
    Class_ID id = desc.ClassID();
    return "class id (" + Hex(id.PartA()) + ", " + Hex(id.PartB()) + ") of super class " +
           Hex(desc.SuperClassID());
}

// dlerror's text, without the path it usually starts with.
std::string LoaderError(const std::string& path) {
    const char* text = dlerror();
    std::string reason = text ? text : "unknown loader error";
    std::string prefix = path + ": ";
    if (reason.compare(0, prefix.size(), prefix) == 0) reason.erase(0, prefix.size());
    return reason;
}

// Fills entries from the module's symbols; the names of the missing ones.
std::string FindEntryPoints(void* handle, EntryPoints& entries) {
    std::string missing;
    auto find = [&](const char* name, auto& function) {
        using Function = std::remove_reference_t<decltype(function)>;
        function = reinterpret_cast<Function>(dlsym(handle, name));
        if (!function) missing += (missing.empty() ? "" : ", ") + std::string(name);
    };
    find("LibDescription", entries.description);
    find("LibNumberClasses", entries.numberClasses);
    find("LibClassDesc", entries.classDesc);
    find("LibVersion", entries.version);
    find("ModuleEntry", entries.entry);
    return missing;
}

// Attaches the module, checks it and registers its classes as a whole; the
// reason it is refused, or empty when it is admitted.
std::string Admit(LoadedModule& module, const EntryPoints& entries, ClassDirectory& directory) {
    if (!entries.entry(module.handle, MODULE_ATTACH)) return "its module entry failed on attach";

    unsigned long version = entries.version();
    if (version != HOST_API_VERSION) {
        return "built for version " + Hex(version) + ", the host's is " + Hex(HOST_API_VERSION);
    }

    const char* description = entries.description();
    module.description = description ? description : "";

    int count = entries.numberClasses();
    for (int i = 0; i < count; ++i) {
        ClassDesc* desc = entries.classDesc(i);
        if (!desc) {
            return "no class descriptor for class " + std::to_string(i) + " of " + std::to_string(count);
        }
        module.classes.push_back(desc);
    }

    for (ClassDesc* desc : module.classes) {
        if (!directory.Add(desc, module.path)) {
            std::string holder = *directory.OwnerOf(desc->SuperClassID(), desc->ClassID());
            return DescribeClass(*desc) + " is already registered by " + holder;
        }
    }
    return {};
}

void Release(const LoadedModule& module, ClassDirectory& directory) {
    for (const ClassDesc* desc : module.classes) directory.Remove(desc);
    module.entry(module.handle, MODULE_DETACH);
    dlclose(module.handle);
}

}  // namespace

PluginManager::PluginManager(ClassDirectory& directory) : directory_(directory) {}

PluginManager::~PluginManager() { UnloadAll(); }

int PluginManager::LoadFolder(std::string_view folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(os::NativePath(folder), error)) {
        diagnostics_.push_back(std::string(folder) + ": no such plug-in folder");
        return 0;
    }
    int loaded = 0;
    std::string prefix = std::string(folder) + (folder.empty() || folder.back() == '/' ? "" : "/");
    for (const std::string& name : ModuleFilesIn(folder)) {
        if (LoadModule(prefix + name, name)) ++loaded;
    }
    return loaded;
}

void PluginManager::UnloadAll() {
    while (!modules_.empty()) {
        Release(modules_.back(), directory_);
        modules_.pop_back();
    }
}

bool PluginManager::LoadModule(const std::string& path, const std::string& fileName) {
    auto refuse = [&](const std::string& reason) {
        diagnostics_.push_back(path + ": not loaded: " + reason);
        return false;
    };

    std::string nativePath = os::NativePath(path);
    void* handle = dlopen(nativePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return refuse(LoaderError(nativePath));

    EntryPoints entries;
    std::string missing = FindEntryPoints(handle, entries);
    if (!missing.empty()) {
        dlclose(handle);
        return refuse("not a plug-in module, it lacks " + missing);
    }

    LoadedModule module;
    module.path = path;
    module.fileName = fileName;
    module.handle = static_cast<HINSTANCE>(handle);
    module.entry = entries.entry;
    std::string reason = Admit(module, entries, directory_);
    if (!reason.empty()) {
        // A module whose entry has run sees its detach before it goes, also
        // when the attach itself failed, so it can undo what it began.
        Release(module, directory_);
        return refuse(reason);
    }
    modules_.push_back(std::move(module));
    return true;
}

#pragma once
// Loads the plug-in modules of a folder, registers their classes in a class
// directory and unloads them again. What goes wrong is collected as
// diagnostics for the program to show; one bad module never stops the others.

#include "host/core/ClassDesc.h"
#include "host/core/ClassDirectory.h"
#include "host/core/ModuleHandle.h"
#include "host/core/PluginEntry.h"

#include <string>
#include <string_view>
#include <vector>

struct LoadedModule {
    std::string path;
    std::string fileName;
    std::string description;  // LibDescription
    HINSTANCE handle = nullptr;
    std::vector<ClassDesc*> classes;  // in LibClassDesc order
    ModuleEntryFn entry = nullptr;    // called with MODULE_DETACH on unloading
};

class PluginManager {
public:
    explicit PluginManager(ClassDirectory& directory = ClassDirectory::Host());
    // Unloads whatever is still loaded.
    ~PluginManager();
    PluginManager(const PluginManager&) = delete;
    PluginManager& operator=(const PluginManager&) = delete;

    // Loads every module of folder (see ModuleFilesIn) in name order and
    // returns how many were loaded.
    int LoadFolder(std::string_view folder);
    // Unloads every module, the last loaded first, and takes its classes out
    // of the directory.
    void UnloadAll();

    const std::vector<LoadedModule>& Modules() const { return modules_; }
    // One line per problem, each naming the file concerned.
    const std::vector<std::string>& Diagnostics() const { return diagnostics_; }
    ClassDirectory& Directory() const { return directory_; }

private:
    bool LoadModule(const std::string& path, const std::string& fileName);

    ClassDirectory& directory_;
    std::vector<LoadedModule> modules_;
    std::vector<std::string> diagnostics_;
};

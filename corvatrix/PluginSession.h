#pragma once
// The plug-in modules loaded for one run of the program, with their load
// problems reported on stderr. Everything a module created must be released
// before the session ends, since ending it unloads the modules.

#include "corvatrix/CommandLine.h"
#include "host/plugins/PluginManager.h"

#include <string>

class PluginSession {
public:
    PluginSession(const CommandLine& line, const std::string& programPath);
    const std::string& Folder() const { return folder_; }
    PluginManager& Manager() { return manager_; }

private:
    std::string folder_;
    PluginManager manager_;
};

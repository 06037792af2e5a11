#include "corvatrix/PluginSession.h"

#include "host/plugins/DefaultPluginFolder.h"

#include <cstdio>

PluginSession::PluginSession(const CommandLine& line, const std::string& programPath)
    : folder_(line.pluginFolder.empty() ? DefaultPluginFolder(programPath) : line.pluginFolder) {
    manager_.LoadFolder(folder_);
    for (const std::string& message : manager_.Diagnostics()) std::fprintf(stderr, "corvatrix: %s\n", message.c_str());
}

#pragma once
// Where the plug-in modules are when the command line names no folder.

#include <string>
#include <string_view>

// $CORVATRIX_PLUGINS when set; else the program's own folder when it holds
// modules (the build tree keeps them beside the program); else
// ../lib/corvatrix from the program's folder (an installed host).
// programPath is the program file's path, best resolved (no symbolic links).
std::string DefaultPluginFolder(std::string_view programPath);

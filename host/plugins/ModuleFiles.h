#pragma once
// Which files of a folder are plug-in modules.

#include <string>
#include <string_view>
#include <vector>

// Names (not paths) of the files in folder that end in .dle, .dlo or .dlm,
// letters in any case, sorted by name so that modules load in a stable order.
std::vector<std::string> ModuleFilesIn(std::string_view folder);

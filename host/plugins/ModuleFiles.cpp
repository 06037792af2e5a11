#include "host/plugins/ModuleFiles.h"

#include "host/os/Files.h"

#include <algorithm>

std::vector<std::string> ModuleFilesIn(std::string_view folder) {
    std::vector<std::string> names;
    for (const char* pattern : {"*.dle", "*.dlo", "*.dlm"}) {
        std::vector<std::string> found = os::FindFiles(folder, pattern);
        names.insert(names.end(), found.begin(), found.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

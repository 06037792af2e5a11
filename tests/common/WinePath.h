#pragma once
// A Linux path as the export names it for UnrealEd under Wine by default:
// on the Z: drive, with '\' only.

#include <algorithm>
#include <string>

inline std::string WinePath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

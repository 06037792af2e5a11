#pragma once
// Names as the plug-ins receive them: glTF names are UTF-8, host text is
// Windows-1252. A character the code page cannot hold becomes '_' (with one
// warning for the file); a glTF file is not refused for its names.

#include <string>
#include <string_view>

namespace gltf {

struct GltfContext;

std::string HostText(std::string_view utf8, GltfContext& context);

// A file name made of letters, digits, '-' and '_' only, so that it stays in
// its folder and in every quoted token; fallback when nothing is left.
std::string CleanFileName(std::string_view utf8, const std::string& fallback);

}  // namespace gltf

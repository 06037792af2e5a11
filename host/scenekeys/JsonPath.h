#pragma once
// JSON paths as the error messages show them: nodes[2].modifiers[0],
// object.uv["1"]. The document itself has the empty path.

#include <cstddef>
#include <string>
#include <string_view>

namespace scenefile {

// A key that is a plain identifier joins with a dot, any other is quoted.
std::string KeyPath(const std::string& parent, std::string_view key);
std::string IndexPath(const std::string& parent, std::size_t index);
// The path for a message; the empty path reads "(top level)".
std::string ShownPath(const std::string& path);

}  // namespace scenefile

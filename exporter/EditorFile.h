#pragma once
// The FILE= argument of an EXEC script line: the path as the level editor
// opens it, in the style the host was given.

#include <optional>
#include <string>
#include <string_view>

class Interface;

// FILE="<editor path>"; none, with a warning naming what (the bitmap, the
// static mesh, the map), when the path cannot be carried in quotes.
std::optional<std::string> EditorFileArgument(Interface& host, std::string_view path, std::string_view what);

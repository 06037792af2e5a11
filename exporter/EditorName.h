#pragma once
// The level editor refuses object names (actors, static meshes, textures)
// longer than 63 characters, and a mesh's name is also its file's name. A
// longer name is cut and ends in a hash of the whole name, so two long names
// that begin alike stay apart and one name always gives the same short one.

#include <cstddef>
#include <string>

constexpr std::size_t kEditorNameMax = 63;

// Shortens name to kEditorNameMax characters when it is longer; true then.
bool FitEditorName(std::string& name);

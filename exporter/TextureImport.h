#pragma once
// One bitmap's TEXTURE IMPORT line, made so that the level editor can carry
// it out: the bitmap named as the editor opens it, and an image of a format
// the editor cannot import converted to a TGA beside the map first. The
// editor's traps with bitmaps (a missing file, an image that cannot be read,
// a size that is not a power of two) are reported as warnings.

#include <string>

class Interface;
class T3dWriter;

void WriteTextureImport(const std::string& path, const std::string& name, const std::string& texturePackage,
                        const std::string& group, T3dWriter& writer, Interface& host);

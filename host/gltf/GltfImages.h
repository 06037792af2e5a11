#pragma once
// The image file behind a glTF image. A URI names a file relative to the
// glTF file's folder, and the bitmap names it by its absolute path. An
// image inside the file (GLB buffer view or data: URI) is to be written into
// the texture folder, named after the image, else after the material that
// uses it, so that the EXEC script can import it.

#include <string>

namespace gltf {

struct GltfContext;
struct ImageFile;

// materialName (UTF-8) names an embedded image that has no name of its own.
const ImageFile& ImageFileOf(int image, const std::string& materialName, GltfContext& context);

}  // namespace gltf

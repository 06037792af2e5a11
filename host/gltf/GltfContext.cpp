#include "host/gltf/GltfContext.h"

namespace gltf {

void GltfContext::Warn(const std::string& text) {
    if (warned_.insert(text).second) warnings.push_back(text);
}

}  // namespace gltf

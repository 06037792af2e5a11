#include "host/gltf/GltfAccessors.h"

#include "host/gltf/GltfError.h"

#include <tiny_gltf.h>

#include <cmath>
#include <cstring>
#include <string>

namespace gltf {
namespace {

template <class T>
T Load(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

double Component(const unsigned char* at, int type, bool normalized) {
    switch (type) {
        case TINYGLTF_COMPONENT_TYPE_FLOAT: return Load<float>(at);
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return normalized ? Load<std::uint8_t>(at) / 255.0 : Load<std::uint8_t>(at);
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT:
            return normalized ? Load<std::uint16_t>(at) / 65535.0 : Load<std::uint16_t>(at);
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: return Load<std::uint32_t>(at);
        case TINYGLTF_COMPONENT_TYPE_BYTE:
            return normalized ? std::fmax(Load<std::int8_t>(at) / 127.0, -1.0) : Load<std::int8_t>(at);
        case TINYGLTF_COMPONENT_TYPE_SHORT:
            return normalized ? std::fmax(Load<std::int16_t>(at) / 32767.0, -1.0) : Load<std::int16_t>(at);
        default: return 0.0;
    }
}

struct View {
    const unsigned char* data = nullptr;  // null: the accessor has no buffer view and reads as zeros
    std::size_t stride = 0;
};

// Where the elements are, once every byte of them is known to be inside its
// buffer view and buffer.
View Locate(const tinygltf::Model& model, const tinygltf::Accessor& accessor, const std::string& name) {
    const int componentSize = tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(accessor.componentType));
    const int components = tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(accessor.type));
    if (componentSize <= 0 || components <= 0) throw GltfError(name + " has an unknown component type or type");
    if (accessor.sparse.isSparse) throw GltfError(name + " is sparse, which this reader does not take");
    if (accessor.bufferView < 0) return {};
    if (static_cast<std::size_t>(accessor.bufferView) >= model.bufferViews.size()) {
        throw GltfError(name + " names buffer view " + std::to_string(accessor.bufferView) + ", which is not there");
    }
    const tinygltf::BufferView& view = model.bufferViews[static_cast<std::size_t>(accessor.bufferView)];
    if (view.buffer < 0 || static_cast<std::size_t>(view.buffer) >= model.buffers.size()) {
        throw GltfError(name + ": its buffer view names a buffer that is not there");
    }
    const std::vector<unsigned char>& buffer = model.buffers[static_cast<std::size_t>(view.buffer)].data;
    const auto elementSize = static_cast<std::size_t>(componentSize * components);
    const std::size_t stride = view.byteStride != 0 ? view.byteStride : elementSize;
    const auto pastTheEnd = [&name]() { return GltfError(name + " reaches past the end of its buffer"); };
    // Checked step by step, so that no sum of numbers from the file can wrap.
    if (view.byteLength > buffer.size() || view.byteOffset > buffer.size() - view.byteLength ||
        stride < elementSize || accessor.count > view.byteLength || accessor.byteOffset > view.byteLength ||
        (accessor.count > 1 && stride > view.byteLength)) {
        throw pastTheEnd();
    }
    const std::size_t needed = accessor.count == 0 ? 0 : stride * (accessor.count - 1) + elementSize;
    if (needed > view.byteLength - accessor.byteOffset) throw pastTheEnd();
    return {buffer.data() + view.byteOffset + accessor.byteOffset, stride};
}

const tinygltf::Accessor& Find(const tinygltf::Model& model, int index, const std::string& name) {
    if (index < 0 || static_cast<std::size_t>(index) >= model.accessors.size()) {
        throw GltfError(name + " is not there");
    }
    return model.accessors[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<Element> ReadElements(const tinygltf::Model& model, int index, int components, const char* what) {
    const std::string name = std::string(what) + " accessor " + std::to_string(index);
    const tinygltf::Accessor& accessor = Find(model, index, name);
    if (tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(accessor.type)) != components) {
        throw GltfError(name + " has " + std::to_string(components) + " components per element in no glTF file");
    }
    const View view = Locate(model, accessor, name);
    const int componentSize = tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(accessor.componentType));
    std::vector<Element> elements(accessor.count, Element{0.0, 0.0, 0.0, 0.0});
    if (!view.data) return elements;
    for (std::size_t i = 0; i < accessor.count; ++i) {
        const unsigned char* element = view.data + i * view.stride;
        for (int c = 0; c < components; ++c) {
            const double value = Component(element + c * componentSize, accessor.componentType, accessor.normalized);
            if (!std::isfinite(value)) throw GltfError(name + " holds a number that is not finite");
            elements[i][static_cast<std::size_t>(c)] = value;
        }
    }
    return elements;
}

std::vector<std::uint32_t> ReadIndices(const tinygltf::Model& model, int index) {
    const std::string name = "index accessor " + std::to_string(index);
    const tinygltf::Accessor& accessor = Find(model, index, name);
    const int type = accessor.componentType;
    if (accessor.type != TINYGLTF_TYPE_SCALAR ||
        (type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE && type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT &&
         type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT)) {
        throw GltfError(name + " is not a list of unsigned integers");
    }
    const View view = Locate(model, accessor, name);
    std::vector<std::uint32_t> indices(accessor.count, 0);
    if (!view.data) return indices;
    for (std::size_t i = 0; i < accessor.count; ++i) {
        indices[i] = static_cast<std::uint32_t>(Component(view.data + i * view.stride, type, false));
    }
    return indices;
}

}  // namespace gltf

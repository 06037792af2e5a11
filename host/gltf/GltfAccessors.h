#pragma once
// The typed arrays of a glTF file (accessors), read with their bounds
// checked: a bad index, type or range throws GltfError naming the accessor.

#include <array>
#include <cstdint>
#include <vector>

namespace tinygltf {
class Model;
}

namespace gltf {

using Element = std::array<double, 4>;

// Every element as up to four numbers; integer components are scaled to
// 0..1 (unsigned) or -1..1 (signed) when the accessor is normalised.
// components: the number each element must have (1 for SCALAR .. 4 for VEC4);
// what: the attribute, for the message.
std::vector<Element> ReadElements(const tinygltf::Model& model, int accessor, int components, const char* what);

// An index list: unsigned integers.
std::vector<std::uint32_t> ReadIndices(const tinygltf::Model& model, int accessor);

}  // namespace gltf

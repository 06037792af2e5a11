#include "host/gltf/GltfMeshes.h"

#include "host/gltf/GltfAccessors.h"
#include "host/gltf/GltfAxes.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfMaterials.h"
#include "host/gltf/GltfNames.h"
#include "host/gltf/MeshWelding.h"
#include "host/gltf/PolygonMerging.h"
#include "host/gltf/TriangleSoup.h"
#include "host/scene/Scene.h"
#include "host/scene/TriObject.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

namespace gltf {
namespace {

using Triangle = std::array<std::uint32_t, 3>;

// The triangles of a primitive's vertex list, all facing the way the first
// one does: every second triangle of a strip is listed the other way round.
std::vector<Triangle> Triangles(int mode, const std::vector<std::uint32_t>& v) {
    std::vector<Triangle> triangles;
    if (mode == TINYGLTF_MODE_TRIANGLES) {
        for (std::size_t i = 0; i + 2 < v.size(); i += 3) triangles.push_back({v[i], v[i + 1], v[i + 2]});
    } else if (mode == TINYGLTF_MODE_TRIANGLE_STRIP) {
        for (std::size_t i = 0; i + 2 < v.size(); ++i) {
            triangles.push_back(i % 2 == 0 ? Triangle{v[i], v[i + 1], v[i + 2]} : Triangle{v[i], v[i + 2], v[i + 1]});
        }
    } else {
        for (std::size_t i = 1; i + 1 < v.size(); ++i) triangles.push_back({v[0], v[i], v[i + 1]});
    }
    return triangles;
}

std::optional<std::vector<Element>> Attribute(const tinygltf::Primitive& primitive, const char* name, int components,
                                              std::size_t count, const tinygltf::Model& model) {
    const auto found = primitive.attributes.find(name);
    if (found == primitive.attributes.end()) return std::nullopt;
    std::vector<Element> elements = ReadElements(model, found->second, components, name);
    if (elements.size() != count) throw GltfError(std::string(name) + " has not one element per position");
    return elements;
}

// COLOR_0 is RGB or RGBA.
std::optional<std::vector<Element>> Colors(const tinygltf::Primitive& primitive, std::size_t count,
                                           const tinygltf::Model& model) {
    const auto found = primitive.attributes.find("COLOR_0");
    if (found == primitive.attributes.end()) return std::nullopt;
    const int index = found->second;
    const bool rgba = index >= 0 && static_cast<std::size_t>(index) < model.accessors.size() &&
                      model.accessors[static_cast<std::size_t>(index)].type == TINYGLTF_TYPE_VEC4;
    return Attribute(primitive, "COLOR_0", rgba ? 4 : 3, count, model);
}

void AddPrimitive(const tinygltf::Primitive& primitive, MtlID material, TriangleSoup& soup, GltfContext& context) {
    const tinygltf::Model& model = context.model;
    const auto position = primitive.attributes.find("POSITION");
    if (position == primitive.attributes.end()) throw GltfError("it has no POSITION attribute");
    const std::vector<Element> positions = ReadElements(model, position->second, 3, "POSITION");
    const std::size_t count = positions.size();
    const auto normals = Attribute(primitive, "NORMAL", 3, count, model);
    const std::optional<std::vector<Element>> uv[2] = {Attribute(primitive, "TEXCOORD_0", 2, count, model),
                                                       Attribute(primitive, "TEXCOORD_1", 2, count, model)};
    const auto colors = Colors(primitive, count, model);

    std::vector<std::uint32_t> vertices;
    if (primitive.indices >= 0) {
        vertices = ReadIndices(model, primitive.indices);
        for (std::uint32_t v : vertices) {
            if (v >= count) throw GltfError("index " + std::to_string(v) + " names no vertex");
        }
    } else {
        vertices.resize(count);
        for (std::size_t v = 0; v < count; ++v) vertices[v] = static_cast<std::uint32_t>(v);
    }

    const float scale = context.options.scale;
    for (const Triangle& triangle : Triangles(primitive.mode, vertices)) {
        SoupTriangle added;
        added.material = material;
        for (std::size_t c = 0; c < 3; ++c) {
            const std::uint32_t v = triangle[c];
            SoupCorner& corner = added.corners[c];
            const Element& p = positions[v];
            corner.position = HostPoint(p[0], p[1], p[2], scale);
            RequireFinite(corner.position, "POSITION");
            if (normals) corner.normal = HostDirection((*normals)[v][0], (*normals)[v][1], (*normals)[v][2]);
            for (std::size_t set = 0; set < 2; ++set) {
                if (!uv[set]) continue;
                corner.uv[set] = UVVert(static_cast<float>((*uv[set])[v][0]),
                                        static_cast<float>(1.0 - (*uv[set])[v][1]), 0.0f);
                RequireFinite(corner.uv[set], set == 0 ? "TEXCOORD_0" : "TEXCOORD_1");
            }
            if (colors) {
                const Element& rgb = (*colors)[v];
                corner.color = VertColor(static_cast<float>(rgb[0]), static_cast<float>(rgb[1]),
                                         static_cast<float>(rgb[2]));
            }
        }
        soup.triangles.push_back(added);
    }
    for (std::size_t set = 0; set < 2; ++set) soup.hasUv[set] = soup.hasUv[set] || uv[set].has_value();
    soup.hasColors = soup.hasColors || colors.has_value();
}

bool IsTriangleMode(int mode) {
    return mode == TINYGLTF_MODE_TRIANGLES || mode == TINYGLTF_MODE_TRIANGLE_STRIP ||
           mode == TINYGLTF_MODE_TRIANGLE_FAN;
}

MeshInstance ReadMesh(const tinygltf::Mesh& mesh, GltfContext& context) {
    TriangleSoup soup;
    std::vector<int> materials;  // glTF index of each material id
    for (std::size_t p = 0; p < mesh.primitives.size(); ++p) {
        const tinygltf::Primitive& primitive = mesh.primitives[p];
        if (!primitive.targets.empty()) context.Warn("morph targets are skipped (meshes keep their base shape)");
        if (!IsTriangleMode(primitive.mode)) {
            context.Warn("primitives of points or lines are skipped");
            continue;
        }
        auto id = std::find(materials.begin(), materials.end(), primitive.material);
        if (id == materials.end()) id = materials.insert(materials.end(), primitive.material);
        try {
            AddPrimitive(primitive, static_cast<MtlID>(id - materials.begin()), soup, context);
        } catch (const GltfError& fault) {
            throw GltfError("primitive " + std::to_string(p) + ": " + fault.what());
        }
    }
    Mesh triangles = WeldTriangleSoup(soup);
    PolyMesh polygons = MergeCoplanarTriangles(triangles);
    auto* object = context.scene.Adopt(new TriObject(std::move(triangles)));
    object->SetPolygonForm(std::move(polygons));
    const std::string name = HostText(mesh.name, context);
    return MeshInstance{object, MeshMaterial(materials, name, context)};
}

}  // namespace

std::string MeshName(int mesh, const GltfContext& context) {
    if (mesh < 0 || static_cast<std::size_t>(mesh) >= context.model.meshes.size()) return {};
    return context.model.meshes[static_cast<std::size_t>(mesh)].name;
}

const MeshInstance& MeshInstanceOf(int index, GltfContext& context) {
    if (const auto known = context.meshes.find(index); known != context.meshes.end()) return known->second;
    if (index < 0 || static_cast<std::size_t>(index) >= context.model.meshes.size()) {
        throw GltfError("mesh " + std::to_string(index) + " is not there");
    }
    const tinygltf::Mesh& mesh = context.model.meshes[static_cast<std::size_t>(index)];
    try {
        return context.meshes.emplace(index, ReadMesh(mesh, context)).first->second;
    } catch (const GltfError& fault) {
        const std::string name = mesh.name.empty() ? "" : " \"" + mesh.name + "\"";
        throw GltfError("mesh " + std::to_string(index) + name + ": " + fault.what());
    }
}

}  // namespace gltf

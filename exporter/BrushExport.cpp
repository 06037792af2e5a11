#include "exporter/BrushExport.h"

#include "common/PluginClasses.h"
#include "common/T3dWriter.h"
#include "exporter/BrushGeometry.h"
#include "exporter/BrushSnap.h"
#include "common/ExportOptions.h"
#include "exporter/TextureAxes.h"
#include "host/scene/Mtl.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr const char* kCsgOperNames[] = {"CSG_Add", "CSG_Subtract", "CSG_Intersect", "CSG_Deintersect"};
constexpr std::int32_t kCsgSubtract = 1;

constexpr std::int32_t kSemiSolid = 1;
constexpr std::int32_t kNotSolid = 2;
// The editor's own polygon flags for the solidity the brush type stands for.
constexpr std::uint32_t kSemiSolidFlag = 0x00000020;
constexpr std::uint32_t kNotSolidFlag = 0x00000008;

constexpr const char* kSheerAxis = "(SheerAxis=SHEER_ZX)";
// The model is referenced in the level's own package, whatever package the
// export imports into.
constexpr const char* kModelPackage = "myLevel";

// Null for an operation outside the table.
const char* CsgOperName(std::int32_t operation) {
    constexpr std::int32_t count = sizeof kCsgOperNames / sizeof kCsgOperNames[0];
    return operation >= 0 && operation < count ? kCsgOperNames[operation] : nullptr;
}

std::uint32_t ExportedPolyFlags(const BrushModifier& brush) {
    switch (brush.BrushType()) {
        case kSemiSolid: return brush.PolyFlags() | kSemiSolidFlag;
        case kNotSolid: return brush.PolyFlags() | kNotSolidFlag;
        default: return brush.PolyFlags();
    }
}

}  // namespace

int BrushExport::Write() {
    if (!modifier || modifier->ClassID() != BRUSH_MODIFIER_CLASS_ID) return 1;
    auto& brush = static_cast<BrushModifier&>(*modifier);
    // The modifier stores only 0..3; other values come from a damaged
    // modifier and would name no operation.
    const char* csgOper = CsgOperName(brush.CsgOperation());
    if (!csgOper) return 1;
    const BrushGeometry geometry(node, context.options.AltBrushes != 0);
    if (!geometry.IsValid()) return 1;

    T3dWriter& writer = context.writer;
    const std::string brushName = name + "_BRUSH";
    writer.BeginActor("Brush", name);
    brush.CXModT3DExport(&writer);
    writer.WriteString("CsgOper", csgOper, false);
    writer.WriteString("MainScale", kSheerAxis, false);
    writer.WriteString("PostScale", kSheerAxis, false);
    writer.WriteLong("PolyFlags", static_cast<std::int32_t>(ExportedPolyFlags(brush)));
    writer.WriteString("Tag", name, true);
    writer.BeginBrush(brushName);
    writer.Begin("PolyList");
    const bool subtractive = brush.CsgOperation() == kCsgSubtract;
    for (int face = 0; face < geometry.FaceCount(); ++face) {
        if (PreparePolygon(geometry, face, subtractive)) WritePolygon();
    }
    writer.End("PolyList");
    writer.End("Brush");
    writer.WriteString("Brush", std::string("Model'") + kModelPackage + "." + brushName + "'", false);
    writer.WriteString("Name", name, true);
    writer.End("Actor");
    return 0;
}

bool BrushExport::PreparePolygon(const BrushGeometry& geometry, int face, bool subtractive) {
    if (!geometry.ConvertFace(face, textures, polygon)) return false;
    // A subtractive brush keeps the host's own winding.
    if (subtractive) polygon.Reverse();
    const ExportOptions& options = context.options;
    if (options.SnapBrushes) SnapToGrid(polygon, options.SnapToSize);
    ComputeTextureAxes(polygon, GetBitmap(node.GetMtl(), polygon.materialId, MAP_SLOT_DIFFUSE));

    polygonTexture.clear();
    std::string bitmapName;
    if (textures.GetTextureName(polygon.materialId, MAP_SLOT_DIFFUSE, bitmapName)) {
        polygonTexture.append(texturePackage).append(".").append(group).append(".").append(bitmapName);
    }
    return true;
}

void BrushExport::WritePolygon() const {
    float coordinates[3 * BrushPolygon::kMaxVertices];
    for (int i = 0; i < polygon.count; ++i) {
        for (int axis = 0; axis < 3; ++axis) coordinates[3 * i + axis] = polygon.vertices[i][axis];
    }
    context.writer.WritePolygon(&polygon.origin, &polygon.normal, &polygon.textureU, &polygon.textureV, coordinates,
                                polygon.count, polygonTexture.empty() ? nullptr : polygonTexture.c_str());
}

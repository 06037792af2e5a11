#include "exporter/BrushExport.h"

#include "common/PluginClasses.h"
#include "common/T3dWriter.h"
#include "exporter/BrushGeometry.h"
#include "exporter/BrushSnap.h"
#include "common/ExportOptions.h"
#include "exporter/TextureAxes.h"
#include "host/scene/Interface.h"
#include "host/scene/Mtl.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

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

// The editor drops polygons with more corners.
constexpr int kEditorMaxCorners = 16;

// Below this share of the fans' volumes, a brush's volume counts as none.
constexpr float kVolumeShare = 1e-4f;

// Six times the volume the polygon's fan adds: positive for a polygon seen
// anticlockwise from outside a closed surface.
float FanVolume(const BrushPolygon& polygon) {
    float volume = 0.0f;
    for (int i = 1; i + 1 < polygon.count; ++i) {
        volume += DotProd(polygon.vertices[0], CrossProd(polygon.vertices[i], polygon.vertices[i + 1]));
    }
    return volume;
}

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
    const bool reversed = ChooseWinding(geometry, brush.CsgOperation() == kCsgSubtract);
    for (int face = 0; face < geometry.FaceCount(); ++face) {
        if (PreparePolygon(geometry, face, reversed)) WritePolygon();
    }
    writer.End("PolyList");
    writer.End("Brush");
    writer.WriteString("Brush", std::string("Model'") + kModelPackage + "." + brushName + "'", false);
    writer.WriteString("Name", name, true);
    writer.End("Actor");
    return 0;
}

bool BrushExport::ChooseWinding(const BrushGeometry& geometry, bool subtractive) {
    // Converted faces wind as the host's seen in the mirror, so a closed
    // mesh whose faces point outward has a positive volume.
    float volume = 0.0f;
    float magnitude = 0.0f;
    int largePolygons = 0;
    for (int face = 0; face < geometry.FaceCount(); ++face) {
        if (!geometry.ConvertFace(face, textures, polygon)) continue;
        const float fan = FanVolume(polygon);
        volume += fan;
        magnitude += std::fabs(fan);
        if (polygon.count > kEditorMaxCorners) ++largePolygons;
    }
    Interface& host = *context.host;
    if (largePolygons > 0) {
        host.Warn("brush polygon with more than 16 corners",
                  "brush " + name + " has " + std::to_string(largePolygons) +
                      " polygon(s) with more than 16 corners: the editor drops them");
    }
    // A flat or open mesh has no inside: its volume is lost in rounding.
    const bool inward = volume < -kVolumeShare * magnitude;
    const bool outward = volume > kVolumeShare * magnitude;
    // The editor wants every brush's faces pointing outward.
    if (host.GetOrientBrushes()) return inward;
    if (subtractive ? outward : inward) {
        host.Warn("inside-out brush",
                  "brush " + name +
                      (subtractive ? " is subtractive and its faces point outward"
                                   : " is additive and its faces point inward") +
                      ": it comes out inside-out in the editor");
    }
    // A subtractive brush keeps the host's own winding.
    return subtractive;
}

bool BrushExport::PreparePolygon(const BrushGeometry& geometry, int face, bool reversed) {
    if (!geometry.ConvertFace(face, textures, polygon)) return false;
    if (reversed) polygon.Reverse();
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

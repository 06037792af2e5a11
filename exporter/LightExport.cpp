#include "exporter/LightExport.h"

#include "common/T3dWriter.h"
#include "common/ExportOptions.h"
#include "exporter/ModifierLines.h"
#include "host/scene/LightObject.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr int kWritten = 0;
constexpr int kSwitchedOff = 1;
constexpr int kNotExported = -1;

constexpr float kColourScale = 255.0f;
constexpr float kBrightnessScale = 64.0f;
// The cone is the fall-off angle squared over 89, clamped to a byte.
constexpr float kConeFactor = 1.0f / 89.0f;
constexpr float kMaxCone = 255.0f;

constexpr float kFarEndScale = 2.03f;
constexpr float kFarEndOffset = 250.0f;
constexpr float kDefaultFarStart = 512.0f;
// What the far end rule gives for the default start, so that a second
// adjustment keeps it.
constexpr float kDefaultFarEnd = 1289.36f;
constexpr float kHotspotFactor = 0.41152263f;

enum class LightKind { NotExported, Point, Spot };

LightKind KindOf(const LightObject& light) {
    const Class_ID id = light.ClassID();
    if (id == OMNI_LIGHT_CLASS_ID) return LightKind::Point;
    if (id == SPOT_LIGHT_CLASS_ID) return LightKind::Spot;
    return LightKind::NotExported;
}

void WriteColour(const LightObject& light, T3dWriter& writer) {
    const Point3 hsv = light.GetHSVColor();
    writer.WriteLong("LightHue", static_cast<std::int32_t>(hsv.x * kColourScale));
    // The engine's saturation runs the other way: 0 is the full colour.
    writer.WriteLong("LightSaturation", static_cast<std::int32_t>(kColourScale - hsv.y * kColourScale));
    writer.WriteFloat("LightBrightness", light.GetIntensity() * kBrightnessScale);
}

void WriteSpotCone(const LightObject& light, T3dWriter& writer) {
    writer.WriteString("LightEffect", "LE_SpotLight", false);
    writer.WriteString("bDirectional", "True", false);
    const float falloff = light.GetFallsize();
    const float cone = std::clamp(falloff * falloff * kConeFactor, 0.0f, kMaxCone);
    writer.WriteLong("LightCone", static_cast<std::int32_t>(cone));
}

constexpr float kLevelShare = 1e-5f;

// The engine's lights shine along their rotation's forward axis, the host's
// spots along their local -Z: the rotation that turns the one onto the
// other, in map coordinates (X mirrored). A cone has no roll.
std::string SpotRotation(INode& node) {
    const Point3 aim = -node.GetObjectTM(0).GetRow(2);
    const float x = -aim.x;
    const float across = std::sqrt(x * x + aim.y * aim.y);
    const float pitch = std::atan2(aim.z, across);
    // Straight up or down, the heading is rounding noise.
    const float yaw = across > kLevelShare * std::fabs(aim.z) ? std::atan2(aim.y, x) : 0.0f;
    return RotationText(RotationUnits(pitch), RotationUnits(yaw), 0);
}

}  // namespace

int LightExport::Write() {
    // The driver made this record for the light super class only.
    auto* light = static_cast<LightObject*>(node.EvalWorldState(0).obj);
    if (!light->GetUseLight()) return kSwitchedOff;
    const LightKind kind = KindOf(*light);
    if (kind == LightKind::NotExported) return kNotExported;

    T3dWriter& writer = context.writer;
    writer.BeginActor("Light", name);
    WriteModifierLines(modifier, writer);
    WriteColour(*light, writer);
    if (light->GetShadow()) writer.WriteString("bActorShadows", "True", false);
    if (kind == LightKind::Spot) WriteSpotCone(*light, writer);
    WritePlacement(kPlacementLocation);
    if (kind == LightKind::Spot) writer.WriteString("Rotation", SpotRotation(node), false);
    writer.WriteString("Tag", name, true);
    writer.WriteString("Name", name, true);
    writer.End("Actor");

    if (context.options.AdjustLight) AdjustHostLight(*light);
    return kWritten;
}

void AdjustHostLight(LightObject& light) {
    if (light.GetUseAtten()) {
        light.SetAtten(ATTEN_FAR_END, light.GetAtten(ATTEN_FAR_START) * kFarEndScale + kFarEndOffset);
    } else {
        light.SetAtten(ATTEN_FAR_START, kDefaultFarStart);
        light.SetAtten(ATTEN_FAR_END, kDefaultFarEnd);
        light.SetUseAtten(true);
    }
    light.SetHotspot(light.GetFallsize() * kHotspotFactor);
}

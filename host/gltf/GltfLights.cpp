#include "host/gltf/GltfLights.h"

#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/math/Angles.h"
#include "host/scene/LightObject.h"
#include "host/scene/Scene.h"

#include <tiny_gltf.h>

#include <cmath>
#include <string>

namespace gltf {
namespace {

constexpr const char* kExtension = "KHR_lights_punctual";

float Degrees(double radians) { return RadToDeg(static_cast<float>(radians)); }

StandardLight* ReadLight(const tinygltf::Light& source, GltfContext& context) {
    LightType type = LightType::Omni;
    if (source.type == "spot") {
        type = LightType::TargetSpot;
    } else if (source.type == "directional") {
        type = LightType::Directional;
    } else if (source.type != "point") {
        throw GltfError("its type \"" + source.type + "\" is none of point, spot and directional");
    }
    auto* light = context.scene.Adopt(new StandardLight(type));
    if (source.color.size() == 3) {
        light->SetRGBColor(Point3(static_cast<float>(source.color[0]), static_cast<float>(source.color[1]),
                                  static_cast<float>(source.color[2])));
    }
    if (type == LightType::TargetSpot) {
        light->SetHotspot(2.0f * Degrees(source.spot.innerConeAngle));
        light->SetFallsize(2.0f * Degrees(source.spot.outerConeAngle));
    }
    if (source.range > 0.0) {
        light->SetUseAtten(true);
        light->SetAtten(ATTEN_FAR_START, 0.0f);
        const float range = static_cast<float>(source.range) * context.options.scale;
        if (!std::isfinite(range)) throw GltfError("its range is out of range");
        light->SetAtten(ATTEN_FAR_END, range);
    }
    return light;
}

}  // namespace

int NodeLight(const tinygltf::Node& node) {
    const auto extension = node.extensions.find(kExtension);
    if (extension == node.extensions.end() || !extension->second.IsObject()) return -1;
    const tinygltf::Value& index = extension->second.Get("light");
    return index.IsNumber() ? index.GetNumberAsInt() : -1;
}

Object* LightOf(int index, GltfContext& context) {
    if (const auto known = context.lights.find(index); known != context.lights.end()) return known->second;
    return context.lights.emplace(index, NewLightOf(index, context)).first->second;
}

StandardLight* NewLightOf(int index, GltfContext& context) {
    if (index < 0 || static_cast<std::size_t>(index) >= context.model.lights.size()) {
        throw GltfError(std::string(kExtension) + " light " + std::to_string(index) + " is not there");
    }
    try {
        return ReadLight(context.model.lights[static_cast<std::size_t>(index)], context);
    } catch (const GltfError& fault) {
        throw GltfError("light " + std::to_string(index) + ": " + fault.what());
    }
}

}  // namespace gltf

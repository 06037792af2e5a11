#include "host/scenefile/LightReader.h"

#include "host/scene/Scene.h"

#include <optional>
#include <string>

namespace scenefile {
namespace {

void ReadLightKeys(const JsonCursor& object, StandardLight& light) {
    object.ExpectKeys({"type", "name", "on", "color", "multiplier", "castShadows", "hotspot", "falloff",
                       "useAttenuation", "farAttenuationStart", "farAttenuationEnd"});
    light.SetUseLight(object.Bool("on", light.GetUseLight()));
    if (const std::optional<JsonCursor> color = object.Find("color")) light.SetRGBColor(color->Color());
    light.SetIntensity(object.Number("multiplier", light.GetIntensity()));
    light.SetShadow(object.Bool("castShadows", light.GetShadow()));
    light.SetHotspot(object.Number("hotspot", light.GetHotspot()));
    light.SetFallsize(object.Number("falloff", light.GetFallsize()));
    light.SetUseAtten(object.Bool("useAttenuation", light.GetUseAtten()));
    light.SetAtten(ATTEN_FAR_START, object.Number("farAttenuationStart", light.GetAtten(ATTEN_FAR_START)));
    light.SetAtten(ATTEN_FAR_END, object.Number("farAttenuationEnd", light.GetAtten(ATTEN_FAR_END)));
}

}  // namespace

Object* ReadLight(const JsonCursor& object, ReadContext& context, LightType type) {
    auto* light = context.scene.Adopt(new StandardLight(type));
    ReadLightKeys(object, *light);
    return light;
}

void ReadLightKeysOver(const JsonCursor& keys, StandardLight& light) {
    // The light's type is the one it has; "type" and "name" belong to object entries only.
    for (const char* key : {"type", "name"}) {
        if (keys.Has(key)) keys.Key(key).Fail("a light's keys here cannot change its " + std::string(key));
    }
    ReadLightKeys(keys, light);
}

}  // namespace scenefile

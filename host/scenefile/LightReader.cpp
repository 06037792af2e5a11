#include "host/scenefile/LightReader.h"

#include "host/scene/Scene.h"

#include <optional>

namespace scenefile {

Object* ReadLight(const JsonCursor& object, ReadContext& context, LightType type) {
    object.ExpectKeys({"type", "name", "on", "color", "multiplier", "castShadows", "hotspot", "falloff",
                       "useAttenuation", "farAttenuationStart", "farAttenuationEnd"});
    auto* light = context.scene.Adopt(new StandardLight(type));
    light->SetUseLight(object.Bool("on", light->GetUseLight()));
    if (const std::optional<JsonCursor> color = object.Find("color")) light->SetRGBColor(color->Color());
    light->SetIntensity(object.Number("multiplier", light->GetIntensity()));
    light->SetShadow(object.Bool("castShadows", light->GetShadow()));
    light->SetHotspot(object.Number("hotspot", light->GetHotspot()));
    light->SetFallsize(object.Number("falloff", light->GetFallsize()));
    light->SetUseAtten(object.Bool("useAttenuation", light->GetUseAtten()));
    light->SetAtten(ATTEN_FAR_START, object.Number("farAttenuationStart", light->GetAtten(ATTEN_FAR_START)));
    light->SetAtten(ATTEN_FAR_END, object.Number("farAttenuationEnd", light->GetAtten(ATTEN_FAR_END)));
    return light;
}

}  // namespace scenefile

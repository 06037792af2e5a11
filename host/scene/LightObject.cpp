#include "host/scene/LightObject.h"

#include "host/scene/ColorConversion.h"

namespace {

bool ValidAttenIndex(int which) { return which >= ATTEN_NEAR_START && which <= ATTEN_FAR_END; }

}  // namespace

Class_ID StandardLight::ClassID() const {
    switch (type_) {
    case LightType::Omni: return OMNI_LIGHT_CLASS_ID;
    case LightType::TargetSpot: return SPOT_LIGHT_CLASS_ID;
    case LightType::FreeSpot: return FSPOT_LIGHT_CLASS_ID;
    case LightType::Directional: break;
    }
    return DIR_LIGHT_CLASS_ID;
}

std::string StandardLight::GetClassName() const {
    switch (type_) {
    case LightType::Omni: return "Omni";
    case LightType::TargetSpot: return "Target Spot";
    case LightType::FreeSpot: return "Free Spot";
    case LightType::Directional: break;
    }
    return "Directional";
}

Point3 StandardLight::GetHSVColor() const { return RGBtoHSV(rgb_); }

void StandardLight::SetHSVColor(const Point3& hsv) { rgb_ = HSVtoRGB(hsv); }

float StandardLight::GetAtten(int which) const { return ValidAttenIndex(which) ? atten_[which] : 0.0f; }

void StandardLight::SetAtten(int which, float distance) {
    if (ValidAttenIndex(which)) atten_[which] = distance;
}

#pragma once
// Host lights. The exporter reads and, with its light adjustment, writes these
// settings; they are not animated here.

#include "host/math/Point3.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/Object.h"

// Indices of the attenuation ranges.
constexpr int ATTEN_NEAR_START = 0;
constexpr int ATTEN_NEAR_END = 1;
constexpr int ATTEN_FAR_START = 2;
constexpr int ATTEN_FAR_END = 3;

class LightObject : public Object {
public:
    SClass_ID SuperClassID() const override { return LIGHT_CLASS_ID; }

    virtual bool GetUseLight() const = 0;
    virtual void SetUseLight(bool on) = 0;
    // Colour as red, green, blue, 0..1 each.
    virtual Point3 GetRGBColor() const = 0;
    virtual void SetRGBColor(const Point3& rgb) = 0;
    // Colour as hue, saturation, value, 0..1 each.
    virtual Point3 GetHSVColor() const = 0;
    virtual void SetHSVColor(const Point3& hsv) = 0;
    virtual float GetIntensity() const = 0;  // the multiplier
    virtual void SetIntensity(float multiplier) = 0;
    virtual bool GetShadow() const = 0;
    virtual void SetShadow(bool castShadows) = 0;
    // Cone angles in degrees.
    virtual float GetHotspot() const = 0;
    virtual void SetHotspot(float degrees) = 0;
    virtual float GetFallsize() const = 0;
    virtual void SetFallsize(float degrees) = 0;
    virtual bool GetUseAtten() const = 0;
    virtual void SetUseAtten(bool use) = 0;
    // which: ATTEN_NEAR_START .. ATTEN_FAR_END; anything else reads 0 and writes nothing.
    virtual float GetAtten(int which) const = 0;
    virtual void SetAtten(int which, float distance) = 0;
};

enum class LightType { Omni, TargetSpot, FreeSpot, Directional };

// The host's own lights, one class for every type: they differ only in their
// class id here.
class StandardLight : public LightObject {
public:
    explicit StandardLight(LightType type) : type_(type) {}

    Class_ID ClassID() const override;
    std::string GetClassName() const override;
    LightType GetType() const { return type_; }

    bool GetUseLight() const override { return on_; }
    void SetUseLight(bool on) override { on_ = on; }
    Point3 GetRGBColor() const override { return rgb_; }
    void SetRGBColor(const Point3& rgb) override { rgb_ = rgb; }
    Point3 GetHSVColor() const override;
    void SetHSVColor(const Point3& hsv) override;
    float GetIntensity() const override { return multiplier_; }
    void SetIntensity(float multiplier) override { multiplier_ = multiplier; }
    bool GetShadow() const override { return shadow_; }
    void SetShadow(bool castShadows) override { shadow_ = castShadows; }
    float GetHotspot() const override { return hotspot_; }
    void SetHotspot(float degrees) override { hotspot_ = degrees; }
    float GetFallsize() const override { return falloff_; }
    void SetFallsize(float degrees) override { falloff_ = degrees; }
    bool GetUseAtten() const override { return useAtten_; }
    void SetUseAtten(bool use) override { useAtten_ = use; }
    float GetAtten(int which) const override;
    void SetAtten(int which, float distance) override;

private:
    LightType type_;
    bool on_ = true;
    Point3 rgb_{1.0f, 1.0f, 1.0f};
    float multiplier_ = 1.0f;
    bool shadow_ = false;
    float hotspot_ = 43.0f;
    float falloff_ = 45.0f;
    bool useAtten_ = false;
    float atten_[4] = {0.0f, 40.0f, 80.0f, 200.0f};
};

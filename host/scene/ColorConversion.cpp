#include "host/scene/ColorConversion.h"

#include <algorithm>
#include <cmath>

Point3 RGBtoHSV(const Point3& rgb) {
    const float maxComponent = std::max({rgb.x, rgb.y, rgb.z});
    const float minComponent = std::min({rgb.x, rgb.y, rgb.z});
    const float chroma = maxComponent - minComponent;
    if (maxComponent <= 0.0f || chroma <= 0.0f) return Point3(0.0f, 0.0f, std::max(maxComponent, 0.0f));

    // Hue in sixths of the circle: red at 0, green at 2, blue at 4.
    float sixths;
    if (maxComponent == rgb.x) {
        sixths = (rgb.y - rgb.z) / chroma;
    } else if (maxComponent == rgb.y) {
        sixths = 2.0f + (rgb.z - rgb.x) / chroma;
    } else {
        sixths = 4.0f + (rgb.x - rgb.y) / chroma;
    }
    if (sixths < 0.0f) sixths += 6.0f;
    return Point3(sixths / 6.0f, chroma / maxComponent, maxComponent);
}

Point3 HSVtoRGB(const Point3& hsv) {
    const float value = hsv.z;
    const float chroma = value * hsv.y;
    const float sixths = (hsv.x - std::floor(hsv.x)) * 6.0f;
    const float x = chroma * (1.0f - std::fabs(std::fmod(sixths, 2.0f) - 1.0f));
    const float m = value - chroma;
    Point3 rgb;
    switch (static_cast<int>(sixths)) {
    case 0: rgb = Point3(chroma, x, 0.0f); break;
    case 1: rgb = Point3(x, chroma, 0.0f); break;
    case 2: rgb = Point3(0.0f, chroma, x); break;
    case 3: rgb = Point3(0.0f, x, chroma); break;
    case 4: rgb = Point3(x, 0.0f, chroma); break;
    default: rgb = Point3(chroma, 0.0f, x); break;
    }
    return rgb + Point3(m, m, m);
}

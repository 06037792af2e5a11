#pragma once
// The camera of the headless viewport: an orthographic view straight down
// the -Z axis (the top view), so world X runs to the right of the window and
// world Y up it. centre shows at the middle of the window and one world
// unit spans scale pixels. The construction plane is the world's z = 0.

#include "host/math/IPoint2.h"
#include "host/math/Point3.h"

class ViewProjection {
public:
    ViewProjection() = default;
    ViewProjection(int width, int height, float scale, const Point3& centre);

    int Width() const { return width_; }
    int Height() const { return height_; }
    float Scale() const { return scale_; }
    const Point3& Centre() const { return centre_; }

    // Window pixels (x right, y down) of a world point; z keeps the world
    // height, larger being nearer the viewer.
    Point3 ToScreen(const Point3& world) const;
    // The world point on the construction plane that shows at pixel.
    Point3 FromScreen(const IPoint2& pixel) const;

private:
    int width_ = 640;
    int height_ = 480;
    float scale_ = 1.0f;
    Point3 centre_;
};

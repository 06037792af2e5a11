#include "host/display/ViewExp.h"

#include "host/ui/MainWindow.h"
#include "host/ui/Window.h"

#include <algorithm>
#include <cmath>

namespace {

Rect WholeWindow(const ViewProjection& projection) {
    return {0, 0, projection.Width() - 1, projection.Height() - 1};
}

IPoint2 NearestPixel(const Point3& p) {
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

}  // namespace

ViewExp::ViewExp(const ViewProjection& projection) : gw_(projection), damage_(WholeWindow(projection)) {}

ui::HWND ViewExp::GetHWnd() {
    constexpr const char* kViewportClass = "Viewport";
    if (!ui::IsWindow(window_)) {
        ui::RegisterWindowClass(kViewportClass);
        window_ = ui::CreateWindow(kViewportClass, "Top", ui::WS_CHILD | ui::WS_VISIBLE, 0, 0, gw_.getWinSizeX(),
                                   gw_.getWinSizeY(), ui::GetMainWindow(), 0);
    }
    return window_;
}

void ViewExp::SetProjection(const ViewProjection& projection) {
    gw_.SetProjection(projection);
    damage_ = WholeWindow(projection);
}

Point3 ViewExp::SnapPoint(IPoint2 m, IPoint2& out, const Matrix3* plane, unsigned) {
    const ViewProjection& view = gw_.GetProjection();
    const Point3 onGround = view.FromScreen(m);
    if (plane == nullptr) {
        out = NearestPixel(view.ToScreen(onGround));
        return onGround;
    }
    // The view looks straight down: follow the vertical line through the
    // mouse to the plane. A plane seen edge-on is met where the line
    // crosses the world's z = 0.
    const Point3 normal = CrossProd(plane->GetRow(0), plane->GetRow(1));
    Point3 world = onGround;
    if (std::fabs(normal.z) > 1e-6f) {
        const Point3 origin = plane->GetTrans();
        world.z = origin.z - (normal.x * (world.x - origin.x) + normal.y * (world.y - origin.y)) / normal.z;
    }
    Point3 local = world * Inverse(*plane);
    local.z = 0.0f;
    out = NearestPixel(view.ToScreen(local * *plane));
    return local;
}

void ViewExp::LogHit(INode* node, float distance) { hits_.push_back(Hit{node, distance}); }

INode* ViewExp::GetClosestHit() const {
    const auto closest = std::min_element(hits_.begin(), hits_.end(),
                                          [](const Hit& a, const Hit& b) { return a.distance < b.distance; });
    return closest != hits_.end() ? closest->node : nullptr;
}

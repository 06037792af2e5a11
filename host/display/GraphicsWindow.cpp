#include "host/display/GraphicsWindow.h"

#include "host/display/ScreenGeometry.h"

#include <algorithm>

namespace {

bool Inside(const Point3& p, const Rect& rect) { return rect.Contains(p.x, p.y); }

}  // namespace

GraphicsWindow::GraphicsWindow(const ViewProjection& projection) : projection_(projection) {}

Point3 GraphicsWindow::transPoint(const Point3& p) const { return projection_.ToScreen(p * transform_); }

void GraphicsWindow::clearHitCode() {
    touched_ = false;
    strayed_ = false;
    hitDistance_ = 0.0f;
}

bool GraphicsWindow::checkHitCode() const {
    const bool window = region_.type == RECT_RGN && !region_.crossing;
    return touched_ && !(window && strayed_);
}

void GraphicsWindow::segment(const Point3& from, const Point3& to, const Rect* clip) {
    const Point3 a = transPoint(from);
    const Point3 b = transPoint(to);
    if (clip != nullptr && !SegmentTouchesRect(a, b, *clip)) return;
    if (limits_ & GW_PICK) {
        TestHit(a, b);
        return;
    }
    const Point3 color = (limits_ & GW_WIREFRAME) ? lineColor_ : material_.Kd;
    drawn_.push_back(DrawnSegment{a, b, color});
}

void GraphicsWindow::TestHit(const Point3& a, const Point3& b) {
    if (region_.type == RECT_RGN) {
        if (SegmentTouchesRect(a, b, region_.rect)) touched_ = true;
        if (!Inside(a, region_.rect) || !Inside(b, region_.rect)) strayed_ = true;
        return;
    }
    const float distance =
        DistanceToSegment(static_cast<float>(region_.pt.x), static_cast<float>(region_.pt.y), a, b);
    if (distance > static_cast<float>(region_.epsilon)) return;
    hitDistance_ = touched_ ? std::min(hitDistance_, distance) : distance;
    touched_ = true;
}

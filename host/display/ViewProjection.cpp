#include "host/display/ViewProjection.h"

ViewProjection::ViewProjection(int width, int height, float scale, const Point3& centre)
    : width_(width), height_(height), scale_(scale), centre_(centre) {}

Point3 ViewProjection::ToScreen(const Point3& world) const {
    return {static_cast<float>(width_) * 0.5f + (world.x - centre_.x) * scale_,
            static_cast<float>(height_) * 0.5f - (world.y - centre_.y) * scale_, world.z};
}

Point3 ViewProjection::FromScreen(const IPoint2& pixel) const {
    return {centre_.x + (static_cast<float>(pixel.x) - static_cast<float>(width_) * 0.5f) / scale_,
            centre_.y - (static_cast<float>(pixel.y) - static_cast<float>(height_) * 0.5f) / scale_, 0.0f};
}

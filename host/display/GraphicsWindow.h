#pragma once
// The drawing surface of a viewport, headless: what is drawn is kept as a
// list of line segments in window pixels, each with its colour, which tests
// and front ends read back. Everything is drawn as lines (the edges the
// caller draws), whatever shading the render limits ask for; the limits
// decide the colour (wireframe: the line colour; shaded: the material's)
// and whether drawing hit-tests instead (GW_PICK).
//
// In pick mode nothing is recorded: each segment is tested against the hit
// region and a hit is remembered until clearHitCode.

#include "host/display/HitRegion.h"
#include "host/display/Material.h"
#include "host/display/ViewProjection.h"
#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Rect.h"

#include <cstdint>
#include <vector>

// Render limits.
constexpr std::uint32_t GW_WIREFRAME = 0x0001;
constexpr std::uint32_t GW_FLAT = 0x0004;
constexpr std::uint32_t GW_ZBUFFER = 0x0020;
constexpr std::uint32_t GW_PICK = 0x1000;

enum ColorType { LINE_COLOR };

// One drawn line, in window pixels (z the depth, see ViewProjection).
struct DrawnSegment {
    Point3 from;
    Point3 to;
    Point3 color;
};

class GraphicsWindow {
public:
    explicit GraphicsWindow(const ViewProjection& projection = {});

    const ViewProjection& GetProjection() const { return projection_; }
    void SetProjection(const ViewProjection& projection) { projection_ = projection; }
    int getWinSizeX() const { return projection_.Width(); }
    int getWinSizeY() const { return projection_.Height(); }

    std::uint32_t getRndLimits() const { return limits_; }
    void setRndLimits(std::uint32_t limits) { limits_ = limits; }

    // Drawing space to world space for what is drawn next.
    void setTransform(const Matrix3& tm) { transform_ = tm; }
    const Matrix3& getTransform() const { return transform_; }

    void setColor(ColorType type, float r, float g, float b) { setColor(type, Point3{r, g, b}); }
    void setColor(ColorType, const Point3& color) { lineColor_ = color; }
    Point3 getColor(ColorType) const { return lineColor_; }

    // The current material: what shaded drawing uses until a caller sets another.
    void setMaterial(const Material& material) { material_ = material; }
    Material* getMaterial() { return &material_; }

    // Window pixels of a point in drawing space.
    Point3 transPoint(const Point3& p) const;

    // The region that drawing in pick mode tests (a copy is kept).
    void setHitRegion(const HitRegion* region) { region_ = *region; }
    void clearHitCode();
    // Whether what was drawn in pick mode since clearHitCode hit the region.
    bool checkHitCode() const;
    // For point regions: the smallest distance in pixels of a hit so far.
    float getHitDistance() const { return hitDistance_; }

    // A line between two points of drawing space. With clip, a line wholly
    // outside that rectangle is left out.
    void segment(const Point3& from, const Point3& to, const Rect* clip = nullptr);

    const std::vector<DrawnSegment>& GetDrawnSegments() const { return drawn_; }
    void ClearDrawing() { drawn_.clear(); }

private:
    void TestHit(const Point3& from, const Point3& to);

    ViewProjection projection_;
    std::uint32_t limits_ = GW_WIREFRAME | GW_ZBUFFER;
    Matrix3 transform_;
    Point3 lineColor_{1.0f, 1.0f, 1.0f};
    Material material_;
    HitRegion region_;
    bool touched_ = false;  // a segment met the region
    bool strayed_ = false;  // a segment left a window box
    float hitDistance_ = 0.0f;
    std::vector<DrawnSegment> drawn_;
};

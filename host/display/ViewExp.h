#pragma once
// A viewport as objects see it while they draw, hit-test or are created:
// its graphics window, the part that needs redrawing, snapping onto the
// construction plane, and the nodes the last node pick hit. The viewport
// has a window of the headless layer, made on first use inside the main
// window, so that pick modes can tell which viewport the mouse is in.

#include "host/display/GraphicsWindow.h"
#include "host/math/IPoint2.h"
#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Rect.h"
#include "host/ui/Messages.h"

#include <vector>

class INode;

// Display flag: draw only within the viewport's damage rectangle.
constexpr int USE_DAMAGE_RECT = 0x1;

class ViewExp {
public:
    explicit ViewExp(const ViewProjection& projection = {});

    GraphicsWindow* getGW() { return &gw_; }
    // The viewport's window; null when the headless layer cannot make one.
    ui::HWND GetHWnd();

    // The part of the window that needs redrawing: all of it unless set.
    const Rect& GetDamageRect() const { return damage_; }
    void SetDamageRect(const Rect& damage) { damage_ = damage; }
    // Gives the window another camera; the damage rectangle becomes all of it.
    void SetProjection(const ViewProjection& projection);

    // The point of the construction plane under the mouse at m. With plane,
    // the plane is that matrix's z = 0 and the result is in its coordinates;
    // without, it is the world's z = 0. out receives the pixel the point
    // shows at. The headless viewport has no grid or object snaps, so flags
    // (the snap kinds) change nothing and the point is where the mouse is.
    Point3 SnapPoint(IPoint2 m, IPoint2& out, const Matrix3* plane = nullptr, unsigned flags = 0);

    // The nodes a node pick hit, kept until the click that made the pick is through.
    void ClearHitList() { hits_.clear(); }
    void LogHit(INode* node, float distance);
    int HitCount() const { return static_cast<int>(hits_.size()); }
    // The hit nearest the mouse (the first logged among equals); null without hits.
    INode* GetClosestHit() const;

private:
    struct Hit {
        INode* node;
        float distance;
    };

    GraphicsWindow gw_;
    Rect damage_;
    ui::HWND window_ = nullptr;
    std::vector<Hit> hits_;
};

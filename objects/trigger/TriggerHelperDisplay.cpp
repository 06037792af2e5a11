// How a trigger shows in the viewports: its icon upright whatever the
// node's rotation, and the collision cylinder when asked for.

#include "host/display/GraphicsWindow.h"
#include "host/display/ViewExp.h"
#include "host/scene/INode.h"
#include "objects/shared/LineColour.h"
#include "objects/shared/PickTest.h"
#include "objects/trigger/TriggerHelperObject.h"
#include "objects/trigger/TriggerMeshes.h"

namespace {

constexpr std::uint32_t kDisplayLimits = GW_WIREFRAME | GW_FLAT | GW_ZBUFFER;
constexpr std::uint32_t kPickLimits = GW_PICK | GW_ZBUFFER | GW_WIREFRAME;
const Point3 kIconColour(0.34f, 0.34f, 0.87f);
const Point3 kCylinderColour(0.87f, 0.34f, 0.34f);

// Each axis keeps its length; only the turning goes.
Matrix3 WithoutRotation(const Matrix3& tm) {
    Matrix3 upright;
    for (int i = 0; i < 3; ++i) {
        Point3 axis;
        axis[i] = tm.GetRow(i).Length();
        upright.SetRow(i, axis);
    }
    upright.SetTrans(tm.GetTrans());
    return upright;
}

// The icon with the cylinder under its transform, in the trigger's space.
Box3 IconAndCylinderBox(const Matrix3& cylinderTM) {
    Box3 box = TriggerIconMesh().getBoundingBox();
    box += TriggerCylinderMesh().getBoundingBox(&cylinderTM);
    return box;
}

}  // namespace

Matrix3 TriggerHelperObject::DisplayTransform(TimeValue t, INode& node) { return WithoutRotation(node.GetObjectTM(t)); }

int TriggerHelperObject::Display(TimeValue t, INode* inode, ViewExp* vpt, int flags) {
    GraphicsWindow& gw = *vpt->getGW();
    const std::uint32_t limits = gw.getRndLimits();
    gw.setRndLimits(kDisplayLimits);
    const Matrix3 tm = DisplayTransform(t, *inode);
    const Rect* damage = (flags & USE_DAMAGE_RECT) ? &vpt->GetDamageRect() : nullptr;
    gw.setTransform(tm);
    gw.setColor(LINE_COLOR, NodeLineColour(*inode, kIconColour));
    TriggerIconMesh().render(&gw, gw.getMaterial(), damage, COMP_ALL, 1);
    if (block_.showCylinder || (extendedDisplay_ & 1)) {
        gw.setTransform(cylinderTM_ * tm);
        gw.setColor(LINE_COLOR, UnselectableLineColour(*inode, kCylinderColour));
        TriggerCylinderMesh().render(&gw, gw.getMaterial(), damage, COMP_ALL, 1);
    }
    gw.setRndLimits(limits);
    return 0;
}

// Only the icon can be picked.
int TriggerHelperObject::HitTest(TimeValue t, INode* inode, int type, int crossing, int, IPoint2* p, ViewExp* vpt) {
    return PickTest(*vpt, type, crossing, p, kPickLimits, DisplayTransform(t, *inode), [](GraphicsWindow& gw) {
        TriggerIconMesh().render(&gw, gw.getMaterial(), nullptr, COMP_ALL, 1);
    });
}

void TriggerHelperObject::GetWorldBoundBox(TimeValue t, INode* inode, ViewExp*, Box3& box) {
    box = TransformMinMax(IconAndCylinderBox(cylinderTM_), DisplayTransform(t, *inode));
}

// The same box whether or not the host shows more: a box of zeros would
// leave the trigger out of zoom-to-fit while it is moved.
void TriggerHelperObject::GetLocalBoundBox(TimeValue, INode*, ViewExp*, Box3& box) {
    box = IconAndCylinderBox(cylinderTM_);
}

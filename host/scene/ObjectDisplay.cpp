// How the viewport shows an object that does not draw itself: as its
// triangle mesh when it converts to one, else as a small diamond around its
// pivot, so that every node can be seen and picked.

#include "host/display/GraphicsWindow.h"
#include "host/display/HitRegion.h"
#include "host/display/ViewExp.h"
#include "host/display/ViewportColors.h"
#include "host/scene/INode.h"
#include "host/scene/Mesh.h"
#include "host/scene/Object.h"
#include "host/scene/TriObject.h"

#include <cstdint>

namespace {

// Pixels around the mouse that still hit.
constexpr int kPickBox = 4;
// The marker's half size in world units.
constexpr float kMarkerRadius = 4.0f;

// An octahedron: a diamond in every view.
Mesh MarkerMesh() {
    Mesh mesh;
    mesh.setNumVerts(6);
    for (int axis = 0; axis < 3; ++axis) {
        Point3 tip;
        tip[axis] = kMarkerRadius;
        mesh.setVert(2 * axis, tip);
        mesh.setVert(2 * axis + 1, -tip);
    }
    // Each face takes one tip of each axis: x (0, 1), y (2, 3), z (4, 5).
    mesh.setNumFaces(8);
    for (std::uint32_t octant = 0; octant < 8; ++octant)
        mesh.getFace(static_cast<int>(octant)).setVerts(octant & 1u, 2u + ((octant >> 1) & 1u), 4u + (octant >> 2));
    return mesh;
}

Mesh ShownMesh(Object& object, TimeValue t) {
    if (!object.CanConvertToType(TRIOBJ_CLASS_ID)) return MarkerMesh();
    Object* converted = object.ConvertToType(t, TRIOBJ_CLASS_ID);
    if (converted == nullptr) return MarkerMesh();
    Mesh mesh = static_cast<TriObject*>(converted)->GetMesh();
    if (converted != &object) converted->DeleteThis();
    return mesh;
}

Point3 LineColor(const INode& node) {
    if (node.IsFrozen()) return GetFreezeColor();
    if (node.Selected()) return GetSelColor();
    return ColorFromWire(node.GetWireColor());
}

}  // namespace

int Object::Display(TimeValue t, INode* inode, ViewExp* vpt, int flags) {
    GraphicsWindow* gw = vpt->getGW();
    gw->setTransform(inode->GetObjectTM(t));
    gw->setColor(LINE_COLOR, LineColor(*inode));
    const Rect* damage = (flags & USE_DAMAGE_RECT) ? &vpt->GetDamageRect() : nullptr;
    ShownMesh(*this, t).render(gw, inode->Mtls(), damage, COMP_ALL, inode->NumMtls());
    return 0;
}

int Object::HitTest(TimeValue t, INode* inode, int type, int crossing, int, IPoint2* p, ViewExp* vpt) {
    GraphicsWindow* gw = vpt->getGW();
    const std::uint32_t limits = gw->getRndLimits();
    const HitRegion region = MakeHitRegion(type, crossing, kPickBox, p);
    gw->setHitRegion(&region);
    gw->setRndLimits(limits | GW_PICK);
    gw->clearHitCode();
    gw->setTransform(inode->GetObjectTM(t));
    ShownMesh(*this, t).render(gw, inode->Mtls(), nullptr, COMP_ALL, inode->NumMtls());
    gw->setRndLimits(limits);
    return gw->checkHitCode() ? 1 : 0;
}

void Object::GetWorldBoundBox(TimeValue t, INode* inode, ViewExp*, Box3& box) {
    const Matrix3 tm = inode->GetObjectTM(t);
    box = ShownMesh(*this, t).getBoundingBox(&tm);
}

void Object::GetLocalBoundBox(TimeValue t, INode*, ViewExp*, Box3& box) { box = ShownMesh(*this, t).getBoundingBox(); }

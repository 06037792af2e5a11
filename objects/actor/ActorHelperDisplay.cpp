// How an actor helper shows in the viewports: the icon or its definition's
// mesh, with the arrow when it is directional, in its node's wire colour.

#include "host/display/GraphicsWindow.h"
#include "host/display/HitRegion.h"
#include "host/display/ViewExp.h"
#include "host/display/ViewportColors.h"
#include "host/scene/INode.h"
#include "objects/actor/ActorHelperObject.h"
#include "objects/shared/LineColour.h"
#include "objects/shared/PointCreation.h"

namespace {

constexpr int kPickBoxPixels = 4;

}  // namespace

Mesh& ActorHelperObject::ShownMesh() {
    if (showAsIcon_ || !definitionMesh_) return iconMesh_;
    return *definitionMesh_;
}

void ActorHelperObject::DrawMeshes(GraphicsWindow& gw, INode& node, const Rect* damage) {
    ShownMesh().render(&gw, node.Mtls(), damage, COMP_ALL, node.NumMtls());
    if (directional_) arrowMesh_.render(&gw, node.Mtls(), damage, COMP_ALL, node.NumMtls());
}

int ActorHelperObject::Display(TimeValue t, INode* inode, ViewExp* vpt, int flags) {
    GraphicsWindow& gw = *vpt->getGW();
    const std::uint32_t limits = gw.getRndLimits();
    gw.setTransform(inode->GetObjectTM(t));
    gw.setColor(LINE_COLOR, NodeLineColour(*inode, ColorFromWire(inode->GetWireColor())));
    DrawMeshes(gw, *inode, (flags & USE_DAMAGE_RECT) ? &vpt->GetDamageRect() : nullptr);
    gw.setRndLimits(limits);
    return 0;
}

int ActorHelperObject::HitTest(TimeValue t, INode* inode, int type, int crossing, int, IPoint2* p, ViewExp* vpt) {
    const HitRegion region = MakeHitRegion(type, crossing, kPickBoxPixels, p);
    GraphicsWindow& gw = *vpt->getGW();
    const std::uint32_t limits = gw.getRndLimits();
    gw.setRndLimits(limits | GW_PICK);
    gw.setTransform(inode->GetObjectTM(t));
    gw.setHitRegion(&region);
    gw.clearHitCode();
    DrawMeshes(gw, *inode, nullptr);
    const bool hit = gw.checkHitCode();
    gw.setRndLimits(limits);
    return hit ? 1 : 0;
}

void ActorHelperObject::GetWorldBoundBox(TimeValue t, INode* inode, ViewExp*, Box3& box) {
    box = TransformMinMax(ShownMesh().getBoundingBox(), inode->GetObjectTM(t));
}

void ActorHelperObject::GetLocalBoundBox(TimeValue, INode*, ViewExp*, Box3& box) {
    box = ShownMesh().getBoundingBox();
    if (directional_) box += arrowMesh_.getBoundingBox();
}

// Rendering shows the definition's mesh even while the viewports show the icon.
Mesh* ActorHelperObject::GetRenderMesh(TimeValue, INode*, View&, bool& needDelete) {
    needDelete = false;
    return definitionMesh_ ? definitionMesh_.get() : &iconMesh_;
}

CreateMouseCallBack* ActorHelperObject::GetCreateMouseCallBack() { return PointCreation(); }

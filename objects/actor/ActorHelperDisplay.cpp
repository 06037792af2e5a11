// How an actor helper shows in the viewports: the icon or its definition's
// mesh, with the arrow when it is directional, in its node's wire colour.

#include "host/display/GraphicsWindow.h"
#include "host/display/ViewExp.h"
#include "host/display/ViewportColors.h"
#include "host/scene/INode.h"
#include "objects/actor/ActorHelperObject.h"
#include "objects/shared/LineColour.h"
#include "objects/shared/PickTest.h"
#include "objects/shared/PointCreation.h"

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
    return PickTest(*vpt, type, crossing, p, vpt->getGW()->getRndLimits() | GW_PICK, inode->GetObjectTM(t),
                    [&](GraphicsWindow& gw) { DrawMeshes(gw, *inode, nullptr); });
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

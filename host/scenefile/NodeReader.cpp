#include "host/scenefile/NodeReader.h"

#include "host/scene/Modifier.h"
#include "host/scene/Object.h"
#include "host/scene/SceneNode.h"
#include "host/scene/TriObject.h"
#include "host/scenefile/AnimationReader.h"
#include "host/scenefile/ModifierReader.h"
#include "host/scenefile/ObjectReader.h"
#include "host/scenefile/TransformReader.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace scenefile {
namespace {

Object* ReadNodeObject(const JsonCursor& object, ReadContext& context) {
    if (!object.IsString()) return ReadObject(object, context, false);
    const auto shared = context.sharedObjects.find(object.Text());
    if (shared == context.sharedObjects.end()) object.Fail("no shared object named \"" + object.Utf8() + "\"");
    return shared->second;
}

Mtl* ReadMaterialReference(const JsonCursor& material, const ReadContext& context) {
    const auto found = context.materials.find(material.Text());
    if (found == context.materials.end()) material.Fail("no material named \"" + material.Utf8() + "\"");
    return found->second;
}

// As the host's modifier list offers a modifier only to objects it works on.
void RequireAccepted(const JsonCursor& entry, Modifier& modifier, Object* object, const std::string& nodeName) {
    if (!object || modifier.InputType() == Class_ID() || object->CanConvertToType(modifier.InputType())) return;
    entry.Fail("the modifier \"" + modifier.GetClassName() + "\" does not work on the " + object->GetClassName() +
               " of node \"" + nodeName + "\"");
}

bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// Numbers that each fit a float can still multiply past its range, and the
// map and mesh files would then hold "inf", which no editor loads.
void RequireFinite(const JsonCursor& node, SceneNode& child) {
    const Matrix3 tm = child.GetObjectTM(0);
    for (int row = 0; row < 4; ++row) {
        if (!IsFinite(tm.GetRow(row))) node.Fail("the node's transform is beyond the range of numbers");
    }
    Object* object = child.GetObjectRef();
    if (!object || !object->CanConvertToType(TRIOBJ_CLASS_ID)) return;
    Object* converted = object->ConvertToType(0, TRIOBJ_CLASS_ID);
    const Mesh& mesh = static_cast<TriObject*>(converted)->GetMesh();
    bool finite = true;
    for (int v = 0; v < mesh.getNumVerts() && finite; ++v) finite = IsFinite(mesh.getVert(v) * tm);
    if (converted != object) converted->DeleteThis();
    if (!finite) node.Fail("the node's geometry, placed by its transform, is beyond the range of numbers");
}

void ReadNode(const JsonCursor& node, SceneNode& parent, ReadContext& context) {
    node.ExpectKeys({"name", "selected", "groupMember", "transform", "objectOffset", "animation", "material", "object",
                     "modifiers", "children"});
    const JsonCursor name = node.Key("name");
    std::string text = name.Text();
    if (text.empty()) name.Fail("a node name must not be empty");
    SceneNode* child = parent.AddChild(std::move(text));

    if (const std::optional<JsonCursor> transform = node.Find("transform")) {
        const Transform pivot = ReadTransform(*transform);
        child->SetPosition(pivot.position);
        child->SetRotation(pivot.rotation);
        child->SetScale(pivot.scale);
    }
    if (const std::optional<JsonCursor> offset = node.Find("objectOffset")) {
        const Transform objectOffset = ReadTransform(*offset);
        child->SetObjOffsetPos(objectOffset.position);
        child->SetObjOffsetRot(objectOffset.rotation);
        child->SetObjOffsetScale(objectOffset.scale);
    }
    if (const std::optional<JsonCursor> animation = node.Find("animation")) ReadAnimation(*animation, *child);
    if (const std::optional<JsonCursor> material = node.Find("material")) {
        child->SetMtl(ReadMaterialReference(*material, context));
    }
    ReadNodeTags(node, *child, name.Utf8(), context);
    RequireFinite(node, *child);
    if (const std::optional<JsonCursor> children = node.Find("children")) ReadNodes(*children, *child, context);
}

}  // namespace

void ReadNodes(const JsonCursor& nodes, SceneNode& parent, ReadContext& context) {
    for (std::size_t i = 0; i < nodes.Size(); ++i) ReadNode(nodes.Element(i), parent, context);
}

void ReadNodeTags(const JsonCursor& node, SceneNode& target, const std::string& nodeName, ReadContext& context) {
    target.SetSelected(node.Bool("selected", target.Selected()));
    target.SetGroupMember(node.Bool("groupMember", target.IsGroupMember()));
    if (const std::optional<JsonCursor> object = node.Find("object")) {
        target.SetObject(ReadNodeObject(*object, context));
    }
    if (const std::optional<JsonCursor> modifiers = node.Find("modifiers")) {
        Object* base = target.GetObjectRef();
        // Index 0 is the top of the stack, so each one goes below the last.
        for (std::size_t i = 0; i < modifiers->Size(); ++i) {
            const JsonCursor entry = modifiers->Element(i);
            Modifier* modifier = ReadModifier(entry, context);
            RequireAccepted(entry, *modifier, base, nodeName);
            target.AddModifierAtBottom(modifier);
        }
    }
}

}  // namespace scenefile

#include "exporter/ExportActor.h"

#include "common/Sanitize.h"
#include "common/T3dWriter.h"
#include "common/ExportOptions.h"
#include "exporter/EditorName.h"
#include "host/scene/Interface.h"
#include "host/scene/HostClassIds.h"

#include <algorithm>
#include <cctype>

namespace {

// The level's own package: what is imported into it needs no "_S" and "_T"
// packages of its own.
constexpr const char* kLevelPackage = "myLevel";

struct PackageAndGroup {
    std::string package;
    std::string group;
};

bool IsGroupHead(INode& node) {
    const Object* object = node.EvalWorldState(0).obj;
    return object && object->ClassID() == DUMMY_CLASS_ID;
}

bool IsTopLevel(const INode& node) {
    const INode* parent = node.GetParentNode();
    return !parent || parent->IsRootNode();
}

// The nearest ancestor that heads a group, or null when the root comes first.
INode* FindGroupHead(const INode& node) {
    for (INode* ancestor = node.GetParentNode(); ancestor && !ancestor->IsRootNode();
         ancestor = ancestor->GetParentNode()) {
        if (IsGroupHead(*ancestor)) return ancestor;
    }
    return nullptr;
}

// A group's members go into the group's package and group; a group nested in
// another takes the outer group's name as its package.
PackageAndGroup FindPackageAndGroup(const INode& node, const ExportOptions& options) {
    const PackageAndGroup fromOptions{options.Package, options.Group};
    if (!node.IsGroupMember() || IsTopLevel(node)) return fromOptions;
    INode* head = FindGroupHead(node);
    if (!head) return fromOptions;
    PackageAndGroup found{{}, head->GetName()};
    if (!head->IsGroupMember()) {
        found.package = options.Package;
    } else if (!IsTopLevel(*head)) {
        found.package = head->GetParentNode()->GetName();
    }
    return found;
}

bool IsLevelPackage(const std::string& package) {
    const std::string level = kLevelPackage;
    return std::equal(package.begin(), package.end(), level.begin(), level.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

ExportActor::ExportActor(const ExportContext& exportContext, INode& exportedNode, Modifier* tagModifier)
    : context(exportContext),
      node(exportedNode),
      modifier(tagModifier),
      name(exportedNode.GetName()),
      placement(exportedNode, 0) {
    Sanitize(name);
    if (FitEditorName(name)) {
        context.host->Warn("name too long", "node \"" + std::string(node.GetName()) +
                                                "\" has a name longer than the editor's " +
                                                std::to_string(kEditorNameMax) + " characters: it is named " + name);
    }

    PackageAndGroup found = FindPackageAndGroup(node, context.options);
    Sanitize(found.package);
    Sanitize(found.group);
    group = found.group;
    if (IsLevelPackage(found.package)) {
        meshPackage = texturePackage = found.package;
    } else {
        meshPackage = found.package + "_S";
        texturePackage = found.package + "_T";
    }

    textures.BuildTextureList(node.GetMtl(), context.registry, context.writer, texturePackage, group, *context.host);
}

void ExportActor::WritePlacement(int mask) const {
    T3dWriter& writer = context.writer;
    if (mask & kPlacementDrawScale3D) writer.WriteVector("DrawScale3D", placement.drawScale3D);
    if (mask & kPlacementPrePivot) writer.WriteVector("PrePivot", placement.prePivot);
    if (mask & kPlacementLocation) writer.WriteVector("Location", placement.location);
    if (mask & kPlacementRotation) {
        writer.WriteString("Rotation", RotationText(placement.pitch, placement.yaw, placement.roll), false);
    }
}

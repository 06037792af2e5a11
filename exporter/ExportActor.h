#pragma once
// The base of every record the export writes for one scene node: the node's
// engine name, the packages and group its static mesh and textures are
// imported under, its bitmaps and its placement. The driver creates a record,
// calls Write once and destroys it.

#include "exporter/ActorPlacement.h"
#include "exporter/ExportContext.h"
#include "exporter/TextureList.h"
#include "host/scene/INode.h"
#include "host/scene/Modifier.h"

#include <string>

// Bits of WritePlacement's mask; the lines come in the order DrawScale3D,
// PrePivot, Location, Rotation whatever the bits.
constexpr int kPlacementPrePivot = 1;
constexpr int kPlacementLocation = 2;
constexpr int kPlacementDrawScale3D = 4;
constexpr int kPlacementRotation = 8;
constexpr int kPlacementAll = 15;

class ExportActor {
public:
    // Works out the record's fields in order: name, packages and group, the
    // texture list (writing its TEXTURE IMPORT lines), the placement at time 0.
    // modifier is the one that tagged the node, or null.
    ExportActor(const ExportContext& context, INode& node, Modifier* modifier);
    virtual ~ExportActor() = default;
    ExportActor(const ExportActor&) = delete;
    ExportActor& operator=(const ExportActor&) = delete;

    // Writes the record's output; the driver ignores the result.
    virtual int Write() = 0;

protected:
    // The placement lines that mask selects, into the map text.
    void WritePlacement(int mask) const;

    ExportContext context;
    INode& node;
    Modifier* modifier;
    std::string name;
    std::string meshPackage;
    std::string texturePackage;
    std::string group;
    // Count() is the record's texture count: -1 for a node without usable
    // material.
    TextureList textures;
    ActorPlacement placement;
};

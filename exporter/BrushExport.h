#pragma once
// The record of a node tagged with the brush modifier: a CSG brush of the
// level. Its polygons are written in map coordinates, so the actor carries
// no placement lines of its own.

#include "exporter/BrushPolygon.h"
#include "exporter/ExportActor.h"

#include <string>

class BrushGeometry;

class BrushExport : public ExportActor {
public:
    using ExportActor::ExportActor;

    // The Brush actor with its whole polygon list; 0 when written. 1, with
    // nothing written, when the record's modifier is not the brush modifier
    // or the node's object cannot become a triangle mesh.
    int Write() override;

private:
    // Whether the faces are written in the reverse of their converted order:
    // for a subtractive brush, or with the host's orient request for faces
    // that point inward. Warns of the editor's traps: a brush that comes out
    // inside-out, polygons with more corners than the editor keeps.
    bool ChooseWinding(const BrushGeometry& geometry, bool subtractive);
    // Face face into the working polygon, made ready to write: reversed as
    // chosen, snapped, with its texture axes and texture. False for a face
    // without corners.
    bool PreparePolygon(const BrushGeometry& geometry, int face, bool reversed);
    void WritePolygon() const;

    BrushPolygon polygon;
    // "<texturePackage>.<group>.<bitmap>", empty for a face without a
    // diffuse bitmap; reused from face to face.
    std::string polygonTexture;
};

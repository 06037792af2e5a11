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
    // Face face into the working polygon, made ready to write: reversed for a
    // subtractive brush, snapped, with its texture axes and texture. False
    // for a face without corners.
    bool PreparePolygon(const BrushGeometry& geometry, int face, bool subtractive);
    void WritePolygon() const;

    BrushPolygon polygon;
    // "<texturePackage>.<group>.<bitmap>", empty for a face without a
    // diffuse bitmap; reused from face to face.
    std::string polygonTexture;
};

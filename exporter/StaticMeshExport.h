#pragma once
// A node exported as a static mesh: its triangles go into an ASE file of
// their own, the EXEC script imports that file into the node's static-mesh
// package, and the map gets an actor that shows the mesh. Nodes sharing one
// object and one material import the mesh once: the first one met writes
// the file and the command, the others point their actors at its mesh.

#include "exporter/ExportActor.h"

#include <string>

class StaticMeshExport : public ExportActor {
public:
    // Looks the node up among the meshes of this export, entering it when it
    // is the first of its kind.
    StaticMeshExport(const ExportContext& context, INode& node, Modifier* modifier);

    // The mesh file and its import command unless an earlier node has them,
    // then the actor. 1, with nothing written, when the mesh file could not
    // be written; 0 otherwise.
    int Write() override;
    // The actor block; the mover record puts its own in its place.
    virtual void WriteActor();
    // The node's mesh at time 0 as "<directory>ase_<meshPackage>\<meshName>.ase";
    // false, with no file, when the node's object cannot become a triangle
    // mesh or the file cannot be created.
    bool WriteAseFile();

protected:
    // The actor's StaticMesh value: the package, the group and the name of
    // the mesh shown, which is the instance source's when there is one.
    std::string StaticMeshReference() const;
    // The earlier node whose mesh this node shows; null when it has its own.
    INode* instanceSource;
    // The name of the mesh shown: the instance source's, or the node's own
    // made unique among the meshes of its package.
    std::string meshName;
};

#pragma once
// The actor helper's meshes: the built-in icon (a plate carrying the letter
// A) and direction arrow, and the host mesh of a definition's geometry.

#include "host/scene/Mesh.h"

struct ActorMesh;

// 30 vertices, 52 triangles: the plate from (-16, -16, 0) to (16, 16, 3.628)
// and the letter standing on it, facing +X.
void BuildActorIconMesh(Mesh& mesh);
// A closed arrow along +X from the plate's edge (x = 16) to its tip at
// x = 30.5805, between z = 1.0632 and z = 2.9262.
void BuildActorArrowMesh(Mesh& mesh);
// The definition's vertices and faces as they are stored.
void BuildDefinitionMesh(const ActorMesh& source, Mesh& mesh);

#pragma once
// The sub-material references of multi/sub-object and shell materials. They
// are linked once every material exists, so a reference may name a material
// further down the list; a material must not end up inside itself.

#include "host/scenekeys/JsonCursor.h"

#include <map>
#include <string>
#include <vector>

class CompositeMtl;
class Mtl;

namespace scenefile {

struct SubMaterialList {
    CompositeMtl* material;
    std::string name;  // as written (UTF-8), for messages
    JsonCursor names;  // "subMaterials": [material name or null]
};

// Fills every list's material with its sub-materials from materials (by host
// name). Fails on a name that refers to nothing and on a reference cycle.
void LinkSubMaterials(const std::vector<SubMaterialList>& lists, const std::map<std::string, Mtl*>& materials);

}  // namespace scenefile

#pragma once
// Materials. The exporter looks into standard materials for their texture
// maps and into multi/sub-object and shell materials for their sub-materials.

#include "host/core/Animatable.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/Texmap.h"

#include <string>
#include <utility>
#include <vector>

// Map slots of the standard material.
constexpr int MAP_SLOT_DIFFUSE = 1;
constexpr int MAP_SLOT_SELF_ILLUM = 5;
constexpr int MAP_SLOT_OPACITY = 6;
constexpr int NUM_STD_MAP_SLOTS = 12;

class Mtl : public Animatable {
public:
    SClass_ID SuperClassID() const override { return MATERIAL_CLASS_ID; }

    const char* GetName() const { return name_.c_str(); }
    void SetName(std::string name) { name_ = std::move(name); }

    virtual int NumSubMtls() const { return 0; }
    // Null outside 0..NumSubMtls()-1 and for an empty sub-material slot.
    virtual Mtl* GetSubMtl(int) const { return nullptr; }
    // The texture map in a map slot, or null.
    virtual Texmap* GetSubTexmap(int) const { return nullptr; }

private:
    std::string name_;
};

// Texture maps are not owned: the scene owns them.
class StdMtl : public Mtl {
public:
    Class_ID ClassID() const override { return STANDARD_MTL_CLASS_ID; }
    std::string GetClassName() const override { return "Standard"; }

    Texmap* GetSubTexmap(int slot) const override;
    // Slots outside 0..NUM_STD_MAP_SLOTS-1 are ignored.
    void SetSubTexmap(int slot, Texmap* map);

private:
    Texmap* maps_[NUM_STD_MAP_SLOTS] = {};
};

enum class CompositeMtlType { MultiSubObject, Shell };

// A material made of sub-materials: the multi/sub-object material and the
// shell material (class 0x255). Sub-materials are not owned: the scene owns them.
// A shell answers an index past its end with its last sub-material (the one
// it shows), since the exporter looks for that one at index 2 of a shell of
// two.
class CompositeMtl : public Mtl {
public:
    explicit CompositeMtl(CompositeMtlType type) : type_(type) {}

    Class_ID ClassID() const override;
    std::string GetClassName() const override;

    int NumSubMtls() const override { return static_cast<int>(subMtls_.size()); }
    Mtl* GetSubMtl(int i) const override;
    // Appends a sub-material slot; null leaves it empty.
    void AddSubMtl(Mtl* mtl) { subMtls_.push_back(mtl); }

private:
    CompositeMtlType type_;
    std::vector<Mtl*> subMtls_;
};

// A material of a class the exporter does not look into.
class OtherMtl : public Mtl {
public:
    Class_ID ClassID() const override { return OTHER_MTL_CLASS_ID; }
    std::string GetClassName() const override { return "Other"; }
};

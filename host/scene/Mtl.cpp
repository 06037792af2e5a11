#include "host/scene/Mtl.h"

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < NUM_STD_MAP_SLOTS; }

}  // namespace

Texmap* StdMtl::GetSubTexmap(int slot) const { return ValidSlot(slot) ? maps_[slot] : nullptr; }

void StdMtl::SetSubTexmap(int slot, Texmap* map) {
    if (ValidSlot(slot)) maps_[slot] = map;
}

Class_ID CompositeMtl::ClassID() const {
    return type_ == CompositeMtlType::Shell ? SHELL_MTL_CLASS_ID : MULTI_MTL_CLASS_ID;
}

std::string CompositeMtl::GetClassName() const {
    return type_ == CompositeMtlType::Shell ? "Shell Material" : "Multi/Sub-Object";
}

Mtl* CompositeMtl::GetSubMtl(int i) const {
    if (i < 0 || subMtls_.empty()) return nullptr;
    if (i < NumSubMtls()) return subMtls_[i];
    return type_ == CompositeMtlType::Shell ? subMtls_.back() : nullptr;
}

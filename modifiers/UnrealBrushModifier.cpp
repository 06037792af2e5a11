#include "modifiers/UnrealBrushModifier.h"

#include "common/ChunkIo.h"
#include "modifiers/BrushRollupPages.h"
#include "modifiers/BrushValueTable.h"

namespace bv = brush_values;

namespace {

// The flag whose check box has this index; null for any other index.
const bv::PolyFlag* PolyFlagOf(int index) {
    for (const bv::PolyFlag& flag : bv::kPolyFlags) {
        if (bv::PolyFlagIndex(flag) == index) return &flag;
    }
    return nullptr;
}

// The chunk's layout.
struct BrushWords {
    std::int32_t csgOperation;
    std::int32_t brushType;
    std::uint32_t polyFlags;
};

}  // namespace

bool UnrealBrushModifier::SetValue(int index, TimeValue t, int value) {
    if (CommonProperties::SetValue(index, t, value)) return true;
    if (index == bv::kBrushType.index) return modifier_controls::StoreChoice(bv::kBrushType, value, brushType);
    if (index == bv::kCsgOperation.index) return modifier_controls::StoreChoice(bv::kCsgOperation, value, csgOperation);
    const bv::PolyFlag* flag = PolyFlagOf(index);
    if (flag) polyFlags ^= flag->bit;
    return flag != nullptr;
}

bool UnrealBrushModifier::GetValue(int index, TimeValue t, int& value) {
    if (CommonProperties::GetValue(index, t, value)) return true;
    if (index == bv::kBrushType.index) {
        value = brushType;
        return true;
    }
    if (index == bv::kCsgOperation.index) {
        value = csgOperation;
        return true;
    }
    const bv::PolyFlag* flag = PolyFlagOf(index);
    if (flag) value = static_cast<int>(polyFlags & flag->bit);
    return flag != nullptr;
}

void UnrealBrushModifier::BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) {
    CommonProperties::BeginEditParams(ip, flags, prev);
    BrushRollups().Show(ip, this);
}

void UnrealBrushModifier::EndEditParams(Interface* ip, unsigned flags, Animatable* next) {
    CommonProperties::EndEditParams(ip, flags, next);
    BrushRollups().Destroy();
}

std::string UnrealBrushModifier::GetClassName() const { return kClassName; }

Animatable* UnrealBrushModifier::Clone(RemapDir& remap) { return CloneOf(*this, remap); }

void UnrealBrushModifier::SaveOwnChunk(ISave& isave) const {
    const BrushWords words{csgOperation, brushType, polyFlags};
    SaveWordChunk(isave, kChunkId, &words, sizeof words);
}

bool UnrealBrushModifier::LoadOwnChunk(ILoad& iload, IOResult& result) {
    if (iload.CurChunkID() != kChunkId) return false;
    BrushWords words{csgOperation, brushType, polyFlags};
    result = LoadWordChunk(iload, &words, sizeof words);
    csgOperation = words.csgOperation;
    brushType = words.brushType;
    polyFlags = words.polyFlags;
    return true;
}

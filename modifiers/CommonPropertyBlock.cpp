#include "modifiers/CommonPropertyBlock.h"

#include "common/ChunkIo.h"
#include "common/T3dWriter.h"
#include "modifiers/PropertyLines.h"

namespace cp = common_properties;

CommonPropertyBlock::CommonPropertyBlock()
    : words_{0.0f, 1.0f, 1.0f, 0, 0, 4, 0, 0.0f, {}} {
    for (const cp::Page& page : cp::kPages) {
        for (const cp::Flag& flag : page.flags) words_.flags[flag.index] = flag.byDefault;
    }
}

template <class W>
auto CommonPropertyBlock::IntWord(W& words, int index) -> decltype(&words.style) {
    if (index >= 0 && index < cp::kFlagSlots) return &words.flags[index];
    switch (index) {
        case cp::kSurfaceType.index: return &words.surfaceType;
        case cp::kAmbientGlow.index: return &words.ambientGlow;
        case cp::kMaxLights.index: return &words.maxLights;
        case cp::kStyle.index: return &words.style;
        default: return nullptr;
    }
}

template <class W>
auto CommonPropertyBlock::FloatWord(W& words, int index) -> decltype(&words.lifeSpan) {
    switch (index) {
        case cp::kLifeSpan.index: return &words.lifeSpan;
        case cp::kCollisionHeight.index: return &words.collisionHeight;
        case cp::kCollisionRadius.index: return &words.collisionRadius;
        case cp::kCullDistance.index: return &words.cullDistance;
        default: return nullptr;
    }
}

bool CommonPropertyBlock::SetInt(int index, int value) {
    using modifier_controls::StoreChoice;
    if (index == cp::kSurfaceType.index) return StoreChoice(cp::kSurfaceType, value, words_.surfaceType);
    if (index == cp::kStyle.index) return StoreChoice(cp::kStyle, value, words_.style);
    std::int32_t* word = IntWord(words_, index);
    if (word) *word = value;
    return word != nullptr;
}

bool CommonPropertyBlock::GetInt(int index, int& value) const {
    const std::int32_t* word = IntWord(words_, index);
    if (word) value = *word;
    return word != nullptr;
}

bool CommonPropertyBlock::SetFloat(int index, float value) {
    float* word = FloatWord(words_, index);
    if (word) *word = value;
    return word != nullptr;
}

bool CommonPropertyBlock::GetFloat(int index, float& value) const {
    const float* word = FloatWord(words_, index);
    if (word) value = *word;
    return word != nullptr;
}

void CommonPropertyBlock::WriteLines(T3dWriter& writer) const {
    for (const cp::Flag& flag : cp::kAdvancedFlags) WriteFlagLine(writer, flag.property, words_.flags[flag.index]);
    writer.WriteFloat(cp::kLifeSpan.property, words_.lifeSpan);
    for (const cp::Flag& flag : cp::kCollisionFlags) WriteFlagLine(writer, flag.property, words_.flags[flag.index]);
    writer.WriteFloat(cp::kCollisionHeight.property, words_.collisionHeight);
    writer.WriteFloat(cp::kCollisionRadius.property, words_.collisionRadius);
    WriteChoiceLine(writer, cp::kSurfaceType, words_.surfaceType, false);
    for (const cp::Flag& flag : cp::kDisplayFlags) WriteFlagLine(writer, flag.property, words_.flags[flag.index]);
    writer.WriteLong(cp::kAmbientGlow.property, words_.ambientGlow);
    writer.WriteLong(cp::kMaxLights.property, words_.maxLights);
    writer.WriteFloat(cp::kCullDistance.property, words_.cullDistance);
    WriteChoiceLine(writer, cp::kStyle, words_.style, false);
}

void CommonPropertyBlock::Save(ISave& isave) const { SaveWordChunk(isave, kChunkId, &words_, sizeof words_); }

IOResult CommonPropertyBlock::LoadChunk(ILoad& iload) {
    if (iload.CurChunkID() != kChunkId) return IO_OK;
    return LoadWordChunk(iload, &words_, sizeof words_);
}

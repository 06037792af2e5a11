#include "modifiers/UnrealMoverModifier.h"

#include "common/ChunkIo.h"
#include "common/T3dWriter.h"
#include "modifiers/MoverRollupPage.h"
#include "modifiers/PropertyLines.h"

namespace mv = mover_values;

UnrealMoverModifier::UnrealMoverModifier() : words_{0.0f, 0.0f, 4.0f, 1, 1, 0, 10, 0, 0, {}, {}} {
    for (std::size_t i = 0; i < std::size(mv::kFlags); ++i) words_.flags[i] = mv::kFlags[i].byDefault;
}

template <class W>
auto UnrealMoverModifier::IntWord(W& words, int index) -> decltype(&words.worldRtKey) {
    const int flag = index - mv::kFlags[0].index;
    if (flag >= 0 && flag < static_cast<int>(std::size(mv::kFlags))) return &words.flags[flag];
    switch (index) {
        case mv::kWorldRtKey.index: return &words.worldRtKey;
        case mv::kBrushRtKey.index: return &words.brushRtKey;
        default: return nullptr;
    }
}

template <class W>
auto UnrealMoverModifier::FloatWord(W& words, int index) -> decltype(&words.delayTime) {
    switch (index) {
        case mv::kDamageThreshold.index: return &words.damageThreshold;
        case mv::kDelayTime.index: return &words.delayTime;
        case mv::kStayOpenTime.index: return &words.stayOpenTime;
        default: return nullptr;
    }
}

bool UnrealMoverModifier::SetValue(int index, TimeValue t, int value) {
    if (CommonProperties::SetValue(index, t, value)) return true;
    using modifier_controls::StoreChoice;
    switch (index) {
        case mv::kEncroachType.index: return StoreChoice(mv::kEncroachType, value, words_.encroachType);
        case mv::kGlideType.index: return StoreChoice(mv::kGlideType, value, words_.glideType);
        case mv::kBumpType.index: return StoreChoice(mv::kBumpType, value, words_.bumpType);
        case mv::kInitialState.index: return StoreChoice(mv::kInitialState, value, words_.initialState);
        default: break;
    }
    std::int32_t* word = IntWord(words_, index);
    if (word) *word = value;
    return word != nullptr;
}

bool UnrealMoverModifier::GetValue(int index, TimeValue t, int& value) {
    if (CommonProperties::GetValue(index, t, value)) return true;
    switch (index) {
        case mv::kEncroachType.index: value = words_.encroachType; return true;
        case mv::kGlideType.index: value = words_.glideType; return true;
        case mv::kBumpType.index: value = words_.bumpType; return true;
        case mv::kInitialState.index: value = words_.initialState; return true;
        default: break;
    }
    const std::int32_t* word = IntWord(words_, index);
    if (word) value = *word;
    return word != nullptr;
}

bool UnrealMoverModifier::SetValue(int index, TimeValue t, float value) {
    if (CommonProperties::SetValue(index, t, value)) return true;
    float* word = FloatWord(words_, index);
    if (word) *word = value;
    return word != nullptr;
}

bool UnrealMoverModifier::GetValue(int index, TimeValue t, float& value) {
    if (CommonProperties::GetValue(index, t, value)) return true;
    const float* word = FloatWord(words_, index);
    if (word) value = *word;
    return word != nullptr;
}

std::int32_t UnrealMoverModifier::MoverModT3DExport(T3dWriter* writer) {
    if (!writer) return 1;
    for (std::size_t i = 0; i < std::size(mv::kFlags); ++i) {
        if (mv::kFlags[i].property) WriteFlagLine(*writer, mv::kFlags[i].property, words_.flags[i]);
    }
    writer->WriteFloat(mv::kDamageThreshold.property, words_.damageThreshold);
    writer->WriteFloat(mv::kDelayTime.property, words_.delayTime);
    writer->WriteFloat(mv::kStayOpenTime.property, words_.stayOpenTime);
    WriteChoiceLine(*writer, mv::kEncroachType, words_.encroachType, false);
    WriteChoiceLine(*writer, mv::kGlideType, words_.glideType, false);
    WriteChoiceLine(*writer, mv::kBumpType, words_.bumpType, false);
    WriteChoiceLine(*writer, mv::kInitialState, words_.initialState, true);
    return 1;
}

void UnrealMoverModifier::BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) {
    CommonProperties::BeginEditParams(ip, flags, prev);
    ShowMoverRollup(ip, this);
}

void UnrealMoverModifier::EndEditParams(Interface* ip, unsigned flags, Animatable* next) {
    CommonProperties::EndEditParams(ip, flags, next);
    DestroyMoverRollup();
}

std::string UnrealMoverModifier::GetClassName() const { return kClassName; }

Animatable* UnrealMoverModifier::Clone(RemapDir& remap) { return CloneOf(*this, remap); }

void UnrealMoverModifier::SaveOwnChunk(ISave& isave) const { SaveWordChunk(isave, kChunkId, &words_, sizeof words_); }

bool UnrealMoverModifier::LoadOwnChunk(ILoad& iload, IOResult& result) {
    if (iload.CurChunkID() != kChunkId) return false;
    result = LoadWordChunk(iload, &words_, sizeof words_);
    return true;
}

#pragma once
// "Unreal Mover": tags a mesh as a mover (a door, a lift) and carries the
// mover's engine settings, besides the common actor properties; its key
// positions come from the node's animation.

#include "modifiers/CommonProperties.h"
#include "modifiers/MoverValueTable.h"

#include <iterator>

class CORVATRIX_CONTRACT UnrealMoverModifier final : public CommonProperties<MoverModifier> {
public:
    static constexpr const char* kClassName = "Unreal Mover";
    static constexpr const char* kInternalName = "cxMoverMod";
    static constexpr Class_ID kClassId = MOVER_MODIFIER_CLASS_ID;
    static constexpr std::uint16_t kChunkId = 0x0450;

    UnrealMoverModifier();

    using CommonProperties::GetValue;
    using CommonProperties::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool GetValue(int index, TimeValue t, int& value) override;
    bool SetValue(int index, TimeValue t, float value) override;
    bool GetValue(int index, TimeValue t, float& value) override;

    // The eight flag lines, the three times and the four choices.
    std::int32_t MoverModT3DExport(T3dWriter* writer) override;

    void BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) override;
    void EndEditParams(Interface* ip, unsigned flags, Animatable* next) override;

    std::string GetClassName() const override;
    Animatable* Clone(RemapDir& remap) override;
    // Brushes and movers are meshes of the level.
    Class_ID InputType() const override { return TRIOBJ_CLASS_ID; }

protected:
    void SaveOwnChunk(ISave& isave) const override;
    bool LoadOwnChunk(ILoad& iload, IOResult& result) override;

private:
    // The 25 words of the mover's chunk.
    struct Words {
        float damageThreshold;
        float delayTime;
        float stayOpenTime;
        std::int32_t encroachType;
        std::int32_t glideType;
        std::int32_t bumpType;
        std::int32_t initialState;
        std::int32_t worldRtKey;
        std::int32_t brushRtKey;
        std::int32_t flags[std::size(mover_values::kFlags)];
        std::int32_t reserved[7];
    };
    static_assert(sizeof(Words) == 25 * 4, "the mover's block is 25 words");

    template <class W>
    static auto IntWord(W& words, int index) -> decltype(&words.worldRtKey);
    template <class W>
    static auto FloatWord(W& words, int index) -> decltype(&words.delayTime);

    Words words_;
};

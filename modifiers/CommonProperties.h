#pragma once
// What the module's three modifiers share: the common actor property block
// with its parameter indices, map lines, chunk and rollup pages, on top of
// the contract class that the exporter calls (CXMod, BrushModifier or
// MoverModifier). The modifier is the parameter array of its own pages.
//
// A subclass handles its own parameter indices after this class declined
// them, adds its pages after these and saves its own chunk before this one.

#include "common/PluginClasses.h"
#include "host/params/IParamArray.h"
#include "modifiers/CommonPropertyBlock.h"

#include <cstdint>

template <class Contract>
class CORVATRIX_CONTRACT CommonProperties : public Contract, public IParamArray {
public:
    using IParamArray::GetValue;
    using IParamArray::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool GetValue(int index, TimeValue t, int& value) override;
    bool SetValue(int index, TimeValue t, float value) override;
    bool GetValue(int index, TimeValue t, float& value) override;

    std::int32_t CXModT3DExport(T3dWriter* writer) override;

    void BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) override;
    void EndEditParams(Interface* ip, unsigned flags, Animatable* next) override;

    IOResult Save(ISave* isave) override;
    // Reads chunk after chunk until none is left or a read fails; what was
    // read is kept either way.
    IOResult Load(ILoad* iload) override;

protected:
    // The subclass's own chunk, written before the common one.
    virtual void SaveOwnChunk(ISave& /*isave*/) const {}
    // Reads the open chunk when it is the subclass's own; false for any other.
    virtual bool LoadOwnChunk(ILoad& /*iload*/, IOResult& /*result*/) { return false; }

    // A new modifier with every value of source, paired with it in remap.
    template <class Concrete>
    static Animatable* CloneOf(const Concrete& source, RemapDir& remap) {
        auto* copy = new Concrete(source);
        BaseClone(&source, copy, remap);
        return copy;
    }

private:
    CommonPropertyBlock properties_;
};

extern template class CommonProperties<CXMod>;
extern template class CommonProperties<BrushModifier>;
extern template class CommonProperties<MoverModifier>;

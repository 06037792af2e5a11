#include "modifiers/CommonProperties.h"

#include "modifiers/CommonRollupPages.h"

template <class Contract>
bool CommonProperties<Contract>::SetValue(int index, TimeValue, int value) {
    return properties_.SetInt(index, value);
}

template <class Contract>
bool CommonProperties<Contract>::GetValue(int index, TimeValue, int& value) {
    return properties_.GetInt(index, value);
}

template <class Contract>
bool CommonProperties<Contract>::SetValue(int index, TimeValue, float value) {
    return properties_.SetFloat(index, value);
}

template <class Contract>
bool CommonProperties<Contract>::GetValue(int index, TimeValue, float& value) {
    return properties_.GetFloat(index, value);
}

template <class Contract>
std::int32_t CommonProperties<Contract>::CXModT3DExport(T3dWriter* writer) {
    if (writer) properties_.WriteLines(*writer);
    return 1;
}

template <class Contract>
void CommonProperties<Contract>::BeginEditParams(Interface* ip, unsigned, Animatable*) {
    CommonRollups().Show(ip, this);
}

template <class Contract>
void CommonProperties<Contract>::EndEditParams(Interface*, unsigned, Animatable*) {
    CommonRollups().Destroy();
}

template <class Contract>
IOResult CommonProperties<Contract>::Save(ISave* isave) {
    SaveOwnChunk(*isave);
    properties_.Save(*isave);
    return IO_OK;
}

template <class Contract>
IOResult CommonProperties<Contract>::Load(ILoad* iload) {
    while (iload->OpenChunk() == IO_OK) {
        IOResult result = IO_OK;
        if (!LoadOwnChunk(*iload, result)) result = properties_.LoadChunk(*iload);
        iload->CloseChunk();
        if (result != IO_OK) break;
    }
    return IO_OK;
}

template class CommonProperties<CXMod>;
template class CommonProperties<BrushModifier>;
template class CommonProperties<MoverModifier>;

#pragma once
// A parameter array: values by index that parameter maps show and edit. An
// object that keeps its own values implements it and answers the indices it
// knows; every operation returns whether the index was handled.

#include "host/math/Point3.h"
#include "host/core/TimeValue.h"

class IParamArray {
public:
    virtual ~IParamArray() = default;

    virtual bool SetValue(int /*index*/, TimeValue /*t*/, int /*value*/) { return false; }
    virtual bool SetValue(int /*index*/, TimeValue /*t*/, float /*value*/) { return false; }
    virtual bool SetValue(int /*index*/, TimeValue /*t*/, const Point3& /*value*/) { return false; }
    virtual bool GetValue(int /*index*/, TimeValue /*t*/, int& /*value*/) { return false; }
    virtual bool GetValue(int /*index*/, TimeValue /*t*/, float& /*value*/) { return false; }
    virtual bool GetValue(int /*index*/, TimeValue /*t*/, Point3& /*value*/) { return false; }
};

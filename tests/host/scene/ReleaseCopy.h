#pragma once
// Ownership of the objects a conversion hands to the caller.

#include "host/core/Animatable.h"

#include <memory>

struct ReleaseWithDeleteThis {
    void operator()(Animatable* thing) const { thing->DeleteThis(); }
};

template <class T>
using ReleasedCopy = std::unique_ptr<T, ReleaseWithDeleteThis>;

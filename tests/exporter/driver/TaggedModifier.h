#pragma once
// Stand-ins for the modifier plug-in's classes: the exporter tells them apart
// by class id alone.

#include "common/PluginClassIds.h"
#include "host/scene/Modifier.h"

class TaggedModifier : public Modifier {
public:
    explicit TaggedModifier(Class_ID id) : id_(id) {}
    Class_ID ClassID() const override { return id_; }

private:
    Class_ID id_;
};

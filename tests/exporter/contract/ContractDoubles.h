#pragma once
// Stand-ins for the object and modifier modules' classes, derived from the
// shared declarations exactly as the modules' own classes are. Each writes a
// line of its own, so the output shows which operation ran and where.

#include "common/PluginClasses.h"
#include "common/T3dWriter.h"

#include <cstdint>
#include <string>
#include <utility>

class TestActorHelper : public ActorHelper {
public:
    explicit TestActorHelper(std::string actorClass) : actorClass_(std::move(actorClass)) {}

    std::int32_t ActorT3DExport(T3dWriter* writer) override {
        writer->WriteLong("Health", 100);
        return 1;
    }
    std::string GetActorObjClass() override { return actorClass_; }

private:
    std::string actorClass_;
};

class TestTriggerHelper : public TriggerHelper {
public:
    explicit TestTriggerHelper(std::string triggerClass) : triggerClass_(std::move(triggerClass)) {}

    std::int32_t TriggerT3DExport(T3dWriter* writer) override {
        writer->WriteString("Event", "OpenGate", false);
        return 1;
    }
    std::string GetTriggerClass() override { return triggerClass_; }

private:
    std::string triggerClass_;
};

// Every test modifier's common property lines: one marker line.
template <class Contract>
class WithCommonLines : public Contract {
public:
    std::int32_t CXModT3DExport(T3dWriter* writer) override {
        writer->WriteString("bHidden", "True", false);
        return 1;
    }
};

using TestPropertyModifier = WithCommonLines<CXMod>;

class TestBrushModifier : public WithCommonLines<BrushModifier> {
public:
    TestBrushModifier(std::int32_t type, std::int32_t operation, std::uint32_t flags) {
        brushType = type;
        csgOperation = operation;
        polyFlags = flags;
    }
};

class TestMoverModifier : public WithCommonLines<MoverModifier> {
public:
    std::int32_t MoverModT3DExport(T3dWriter* writer) override {
        writer->WriteString("InitialState", "TriggerToggle", true);
        return 1;
    }
};

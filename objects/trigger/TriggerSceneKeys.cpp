#include "objects/trigger/TriggerSceneKeys.h"

#include "host/core/Persistence.h"
#include "host/scenekeys/JsonCursor.h"
#include "objects/trigger/TriggerBlock.h"
#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerHelperObject.h"
#include "objects/trigger/TriggerPropertySets.h"

#include <optional>
#include <string>

namespace {

using scenefile::JsonCursor;

namespace tt = trigger_tables;

constexpr float kCollisionLimit = 32768.0f;

std::string Names(std::string list, const char* name) { return list.empty() ? name : list + ", " + name; }

int ReadClass(const JsonCursor& object) {
    const std::optional<JsonCursor> name = object.Find("class");
    if (!name) return kDefaultTriggerClass;
    const int index = tt::ClassIndex(name->Text());
    if (index >= 0) return index;
    std::string all;
    for (const tt::TriggerClass& triggerClass : tt::kClasses) all = Names(all, triggerClass.name);
    name->Fail("no trigger class \"" + name->Utf8() + "\" (the classes: " + all + ")");
}

int ReadTriggerType(const JsonCursor& value) {
    if (!value.IsString()) return static_cast<int>(value.Integer(0, tt::kTriggerTypeCount - 1));
    const int type = tt::TriggerTypeValue(value.Text());
    if (type >= 0) return type;
    std::string all;
    for (const tt::TriggerType& known : tt::kTriggerTypes) all = Names(all, known.name);
    value.Fail("no trigger type \"" + value.Utf8() + "\" (the types: " + all + ")");
}

void SetFloat(const JsonCursor& value, TriggerPropertySet& set, const tt::Row& row, int slot) {
    set.SetValue(slot, 0, value.Number(row.low, row.high));
}

void ReadProperty(const JsonCursor& value, const tt::Row& row, TriggerPropertySet& set) {
    switch (row.kind) {
        case tt::RowKind::CheckBox: set.SetValue(row.slot, 0, value.Bool() ? 1 : 0); break;
        case tt::RowKind::IntSpinner:
            set.SetValue(row.slot, 0,
                         static_cast<int>(
                             value.Integer(static_cast<std::int64_t>(row.low), static_cast<std::int64_t>(row.high))));
            break;
        case tt::RowKind::FloatSpinner: SetFloat(value, set, row, row.slot); break;
        case tt::RowKind::VectorSpinner:
            value.ExpectSize(3);
            for (int axis = 0; axis < 3; ++axis) SetFloat(value.Element(axis), set, row, row.slot + axis);
            break;
        case tt::RowKind::Text: {
            const std::string text = value.Text();
            if (text.size() > tt::kTextChars) {
                value.Fail("a text of at most " + std::to_string(tt::kTextChars) + " characters");
            }
            set.SetText(row.slot, text);
            break;
        }
        case tt::RowKind::TriggerType: set.SetValue(row.slot, 0, ReadTriggerType(value)); break;
    }
}

// Applied over the class's defaults.
void ReadProperties(const JsonCursor& properties, TriggerBlock& block) {
    TriggerPropertySets sets;
    TriggerPropertySet* set = sets.ForClass(block.classIndex);
    if (set) set->Bind(block.floats, block.ints, block.text1, block.text2);
    for (const auto& [name, value] : properties.Members()) {
        const tt::Row* row = tt::FindLine(block.classIndex, name);
        if (!row || !set) {
            std::string all;
            if (set) {
                for (const tt::Row& known : set->Table().rows) {
                    if (known.line) all = Names(all, known.line);
                }
            }
            value.Fail("the class " + std::string(tt::kClasses[block.classIndex].name) + " has no property \"" + name +
                       "\"" + (all.empty() ? "" : " (its properties: " + all + ")"));
        }
        ReadProperty(value, *row, *set);
    }
}

TriggerBlock ReadBlock(const JsonCursor& object) {
    TriggerBlock block;
    block.classIndex = ReadClass(object);
    TriggerPropertySets sets;
    if (TriggerPropertySet* set = sets.ForClass(block.classIndex)) {
        set->Bind(block.floats, block.ints, block.text1, block.text2);
        set->Reset();
    }
    if (const std::optional<JsonCursor> height = object.Find("collisionHeight")) {
        block.collisionHeight = height->Number(0.0f, kCollisionLimit);
    }
    if (const std::optional<JsonCursor> radius = object.Find("collisionRadius")) {
        block.collisionRadius = radius->Number(0.0f, kCollisionLimit);
    }
    block.showCylinder = object.Bool("showCylinder", false) ? 1 : 0;
    if (const std::optional<JsonCursor> properties = object.Find("properties")) ReadProperties(*properties, block);
    return block;
}

class TriggerSceneKeys : public scenefile::SceneKeyReader {
public:
    const char* SceneType() const override { return "Trigger"; }
    void ReadKeys(Animatable& made, const JsonCursor& object, scenefile::SceneKeyContext& context) const override;
};

// The object is given its keys as a saved scene gives them, through its own
// load; the event is referenced once every node is read.
void TriggerSceneKeys::ReadKeys(Animatable& made, const JsonCursor& object, scenefile::SceneKeyContext& context) const {
    object.ExpectKeys({"type", "class", "collisionHeight", "collisionRadius", "showCylinder", "event", "properties"});
    const TriggerBlock block = ReadBlock(object);
    ISave isave;
    isave.BeginChunk(kTriggerBlockChunk);
    isave.Write(&block, sizeof block, nullptr);
    isave.EndChunk();

    auto& trigger = static_cast<TriggerHelperObject&>(made);
    ILoad iload(isave.Bytes());
    if (trigger.Load(&iload) != IO_OK) object.Fail("the object plug-in did not take the trigger's settings");
    if (const std::optional<JsonCursor> event = object.Find("event")) context.ReferToNode(trigger, 0, *event);
}

}  // namespace

const scenefile::SceneKeyReader& TriggerKeys() {
    static const TriggerSceneKeys keys;
    return keys;
}

#include "objects/actor/ActorSceneKeys.h"

#include "host/core/Persistence.h"
#include "host/scenekeys/JsonCursor.h"
#include "objects/actor/ActorChunks.h"
#include "objects/actor/ActorHelperObject.h"
#include "objects/cxa/ActorLibrary.h"

#include <cinttypes>
#include <optional>
#include <string>
#include <vector>

namespace {

using scenefile::JsonCursor;

std::string ClassList(const ActorLibrary& library) {
    if (library.Count() == 0) return "the actor library " + library.Folder() + " holds no classes";
    std::string list = "the actor library holds";
    for (int i = 0; i < library.Count(); ++i) {
        list +=
            (i == 0 ? " " : ", ") + std::string(library.ClassName(i)) + " (" + std::string(library.FileName(i)) + ")";
    }
    return list;
}

int FindEntry(const JsonCursor& object, const ActorLibrary& library) {
    const std::optional<JsonCursor> file = object.Find("definition");
    const std::optional<JsonCursor> name = object.Find("class");
    if (file && name) object.Fail("give \"definition\" or \"class\", not both");
    if (!file && !name) return -1;
    const JsonCursor& at = file ? *file : *name;
    const std::string text = at.Text();
    const int index = file ? library.FindByFileName(text) : library.FindByClassName(text);
    if (index < 0) at.Fail("no actor class \"" + text + "\": " + ClassList(library));
    return index;
}

ValueCell ReadEnum(const JsonCursor& value, const ActorPropDef& prop) {
    const std::vector<std::string_view> items = cxa::EnumItems(prop.enumValues.View());
    if (!value.IsString()) return ValueCell::FromInt(static_cast<std::int32_t>(value.Index(items.size(), "items")));
    const std::string text = value.Text();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) return ValueCell::FromInt(static_cast<std::int32_t>(i));
    }
    value.Fail("\"" + text + "\" is no item of " + std::string(prop.t3dName.View()) + " (" +
               std::string(prop.enumValues.View()) + ")");
}

// [r, g, b] in 0..255, or the colour as one number 0x00BBGGRR.
ValueCell ReadColour(const JsonCursor& value) {
    if (!value.IsArray()) return ValueCell::FromInt(static_cast<std::int32_t>(value.Integer(0, 0xFFFFFF)));
    value.ExpectSize(3);
    std::int64_t colour = 0;
    for (std::size_t i = 0; i < 3; ++i) colour |= value.Element(i).Integer(0, 255) << (8 * i);
    return ValueCell::FromInt(static_cast<std::int32_t>(colour));
}

// The property's value as its control on the "Properties" page holds it.
ValueCell ReadValue(const JsonCursor& value, const ActorPropDef& prop) {
    switch (prop.type) {
        case cxa::kBoolean: return ValueCell::FromInt(value.Bool() ? 1 : 0);
        case cxa::kInteger: return ValueCell::FromInt(static_cast<std::int32_t>(value.Integer(-65536, 65536)));
        case cxa::kByte: return ValueCell::FromInt(static_cast<std::int32_t>(value.Integer(0, 255)));
        case cxa::kFloat: return ValueCell::FromFloat(value.Number(-65536.0f, 65536.0f));
        case cxa::kEnum: return ReadEnum(value, prop);
        default: return ReadColour(value);
    }
}

void ReadProperties(const JsonCursor& properties, ActorDef& def) {
    for (const auto& [name, value] : properties.Members()) {
        int found = -1;
        for (int i = 0; i < def.Count() && found < 0; ++i) {
            if (def.properties[i].t3dName.View() == name) found = i;
        }
        if (found < 0) value.Fail("the class has no property \"" + name + "\"");
        def.values[found] = ReadValue(value, def.properties[found]);
    }
}

std::vector<std::uint8_t> SavedActor(std::int32_t directional, std::int32_t showAsIcon, int index,
                                     const ActorLibrary& library, const ActorDef* def) {
    ISave isave;
    isave.BeginChunk(kActorSettingsChunk);
    const ActorSettings settings{directional, showAsIcon, index};
    isave.Write(&settings, sizeof settings, nullptr);
    if (index >= 0) isave.Write(library.FileNameField(index), sizeof(LibraryFileName), nullptr);
    isave.EndChunk();
    if (def && def->Count() > 0) {
        isave.BeginChunk(kActorValuesChunk);
        isave.Write(def->values.data(), def->values.size() * sizeof(ValueCell), nullptr);
        isave.EndChunk();
    }
    return isave.Bytes();
}

class ActorSceneKeys : public scenefile::SceneKeyReader {
public:
    const char* SceneType() const override { return "Actor"; }
    void ReadKeys(Animatable& made, const JsonCursor& object, scenefile::SceneKeyContext&) const override;
};

// The object is given its keys as a saved scene gives them, through its own
// load, so reader and saved scenes meet in one format.
void ActorSceneKeys::ReadKeys(Animatable& made, const JsonCursor& object, scenefile::SceneKeyContext&) const {
    object.ExpectKeys({"type", "definition", "class", "directional", "showAsIcon", "properties"});
    auto& actor = static_cast<ActorHelperObject&>(made);
    const ActorLibrary& library = actor.Library();
    const int index = FindEntry(object, library);
    std::optional<ActorDef> def;
    if (index >= 0) {
        def.emplace();
        if (!library.LoadDefinition(index, *def)) {
            object.Fail("the actor definition " + library.Folder() + "/" + std::string(library.FileName(index)) +
                        " cannot be read");
        }
    }
    const std::optional<JsonCursor> properties = object.Find("properties");
    if (properties && !def) properties->Fail("properties need an actor class (\"class\" or \"definition\")");
    if (properties) ReadProperties(*properties, *def);

    const std::vector<std::uint8_t> saved =
        SavedActor(object.Bool("directional", false) ? 1 : 0, object.Bool("showAsIcon", false) ? 1 : 0, index, library,
                   def ? &*def : nullptr);
    ILoad iload(saved);
    if (actor.Load(&iload) != IO_OK) object.Fail("the object plug-in did not take the actor's settings");
}

}  // namespace

const scenefile::SceneKeyReader& ActorKeys() {
    static const ActorSceneKeys keys;
    return keys;
}

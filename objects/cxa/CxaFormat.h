#pragma once
// The constants of the CXA actor definition format that every reader and the
// writer share: magic numbers, property type codes and their names, the field
// sizes of the three readers, and how an enum values text splits into items.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace cxa {

constexpr std::uint32_t kStartMagic = 0x04499330;
constexpr std::uint32_t kEndMagic = 0x30934904;

// A property's type code is its position in this list.
enum PropType : std::int32_t { kBoolean, kInteger, kByte, kFloat, kEnum, kColour, kPropTypeCount };

// "BOOLEAN" ... "COLOUR"; empty for a code outside the list.
std::string_view PropTypeName(std::int32_t code);
// The code of a type name, compared without regard to case; -1 for none.
std::int32_t PropTypeCode(std::string_view name);

// Field sizes, NUL included. The library scan keeps the class name only; the
// plug-in's full read keeps whole property texts; the Actor Builder reads
// back into the narrower fields of its edit boxes.
constexpr std::size_t kLibraryClassNameField = 128;
constexpr std::size_t kClassNameField = 260;
constexpr std::size_t kPropertyTextField = 256;
constexpr std::size_t kEditNameField = 64;
constexpr std::size_t kEditT3dNameField = 64;
constexpr std::size_t kEditEnumValuesField = 128;

// The longest texts the writer stores: what every reader holds whole.
constexpr std::size_t kMaxClassNameLength = kLibraryClassNameField - 1;
constexpr std::size_t kMaxNameLength = kEditNameField - 1;
constexpr std::size_t kMaxT3dNameLength = kEditT3dNameField - 1;
constexpr std::size_t kMaxEnumValuesLength = kEditEnumValuesField - 1;

// The class name and the T3D names are written into the map as they stand,
// as an actor's class and as keys: a name holding a control character, a
// blank, '"' or '=' would break its line, so it is no valid name.
bool IsMapName(std::string_view name);
// Why IsMapName refuses a name, for messages.
constexpr const char* kMapNameRule = "cannot hold a blank, '\"', '=' or a control character";

// ASCII letters compared without regard to case, as class and type names are.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The pieces between commas, as they stand: "a,,c" is "a", "" and "c"; an
// empty text is one empty item.
std::vector<std::string_view> EnumItems(std::string_view values);

}  // namespace cxa

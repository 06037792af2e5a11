#include "host/ui/StringTable.h"

namespace ui {

std::string_view StringTable::Load(int id) const {
    for (const StringResource& entry : entries_)
        if (entry.id == id && entry.text) return entry.text;
    return {};
}

}  // namespace ui

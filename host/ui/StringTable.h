#pragma once
// String resources as tables in code: each module keeps its texts by id.

#include <initializer_list>
#include <string_view>
#include <vector>

namespace ui {

struct StringResource {
    int id;
    const char* text;
};

class StringTable {
public:
    StringTable(std::initializer_list<StringResource> entries) : entries_(entries) {}

    // The text of id; empty when the table has none.
    std::string_view Load(int id) const;

private:
    std::vector<StringResource> entries_;
};

}  // namespace ui

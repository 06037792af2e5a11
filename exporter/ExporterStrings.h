#pragma once
// The export plug-in's string resources.

#include <string_view>

enum ExporterString {
    IDS_LIBDESCRIPTION = 100,
    IDS_CATEGORY = 101,
    IDS_CLASS_NAME = 102,
    IDS_LONG_DESC = 103,
    IDS_SHORT_DESC = 104,
    IDS_AUTHOR = 105,
    IDS_COPYRIGHT = 106,
    IDS_EXTENSION = 107,
};

// The text of a string resource; empty when there is none.
std::string_view LoadResString(int id);

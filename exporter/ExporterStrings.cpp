#include "exporter/ExporterStrings.h"

#include "host/ui/StringTable.h"

std::string_view LoadResString(int id) {
    static const ui::StringTable table{
        {IDS_LIBDESCRIPTION, "corvatrix Export Plugin"},
        {IDS_CATEGORY, "corvatrix"},
        {IDS_CLASS_NAME, "corvatrix"},
        {IDS_LONG_DESC, "corvatrix UnrealEd Map Exporter."},
        {IDS_SHORT_DESC, "corvatrix"},
        {IDS_AUTHOR, "The corvatrix developers"},
        {IDS_COPYRIGHT, "Copyright (c) 2026 the corvatrix developers"},
        {IDS_EXTENSION, "T3D"},
    };
    return table.Load(id);
}

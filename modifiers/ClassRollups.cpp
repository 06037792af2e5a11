#include "modifiers/ClassRollups.h"

#include "host/scene/Interface.h"

bool ClassRollups::Show(Interface* ip, IParamArray* values) {
    if (!maps_.empty()) {
        for (IParamMap* map : maps_) {
            if (map) map->SetParamBlock(values);
        }
        return false;
    }
    if (!ip) return false;
    for (const ClassRollupPage& page : pages_) {
        maps_.push_back(CreateParamMap(page.controls.data(), static_cast<int>(page.controls.size()), values, ip,
                                       page.dialog, page.title, page.rolledUp ? APPENDROLL_CLOSED : 0));
    }
    return true;
}

void ClassRollups::Destroy() {
    for (IParamMap* map : maps_) DestroyParamMap(map);
    maps_.clear();
}

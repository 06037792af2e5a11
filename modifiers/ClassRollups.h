#pragma once
// Rollup pages held once for a modifier class rather than per instance:
// one modifier is edited at a time, so the pages are made for the first
// and pointed at whichever is edited next, until editing ends.

#include "host/params/ParamMap.h"
#include "host/ui/DialogTemplate.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct ClassRollupPage {
    ui::DialogTemplate dialog;
    std::string title;
    std::vector<ParamUIDesc> controls;
    bool rolledUp;  // added closed
};

class ClassRollups {
public:
    explicit ClassRollups(std::vector<ClassRollupPage> pages) : pages_(std::move(pages)) {}
    ClassRollups(const ClassRollups&) = delete;
    ClassRollups& operator=(const ClassRollups&) = delete;

    // Adds the pages on ip bound to values, in order; when they exist
    // already, points them at values instead (null: at nothing). True when
    // the pages were made by this call.
    bool Show(Interface* ip, IParamArray* values);
    // Destroys the pages and forgets them; nothing when there are none.
    void Destroy();
    // The map of page i; null while the pages do not exist.
    IParamMap* Map(std::size_t i) const { return i < maps_.size() ? maps_[i] : nullptr; }

private:
    std::vector<ClassRollupPage> pages_;
    std::vector<IParamMap*> maps_;
};

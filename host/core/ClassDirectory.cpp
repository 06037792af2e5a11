#include "host/core/ClassDirectory.h"

#include <algorithm>
#include <utility>

ClassDirectory& ClassDirectory::Host() {
    static ClassDirectory directory;
    return directory;
}

bool ClassDirectory::Add(ClassDesc* desc, std::string owner) {
    SClass_ID superClass = desc->SuperClassID();
    Class_ID id = desc->ClassID();
    if (Lookup(superClass, id)) return false;
    entries_.push_back({superClass, id, desc, std::move(owner)});
    return true;
}

void ClassDirectory::Remove(const ClassDesc* desc) {
    entries_.erase(
        std::remove_if(entries_.begin(), entries_.end(), [desc](const Entry& entry) { return entry.desc == desc; }),
        entries_.end());
}

ClassDesc* ClassDirectory::Find(SClass_ID superClass, Class_ID id) const {
    const Entry* entry = Lookup(superClass, id);
    return entry ? entry->desc : nullptr;
}

const std::string* ClassDirectory::OwnerOf(SClass_ID superClass, Class_ID id) const {
    const Entry* entry = Lookup(superClass, id);
    return entry ? &entry->owner : nullptr;
}

std::vector<ClassDesc*> ClassDirectory::OfSuperClass(SClass_ID superClass) const {
    std::vector<ClassDesc*> found;
    for (const Entry& entry : entries_) {
        if (entry.superClass == superClass) found.push_back(entry.desc);
    }
    return found;
}

std::vector<ClassDesc*> ClassDirectory::All() const {
    std::vector<ClassDesc*> all;
    for (const Entry& entry : entries_) all.push_back(entry.desc);
    return all;
}

bool ClassDirectory::HasModule(std::string_view fileName) const {
    return std::any_of(entries_.begin(), entries_.end(), [fileName](const Entry& entry) {
        const std::size_t slash = entry.owner.find_last_of("/\\");
        return std::string_view(entry.owner).substr(slash == std::string::npos ? 0 : slash + 1) == fileName;
    });
}

Animatable* ClassDirectory::Create(SClass_ID superClass, Class_ID id, bool loading) const {
    ClassDesc* desc = Find(superClass, id);
    return desc ? desc->Create(loading) : nullptr;
}

const ClassDirectory::Entry* ClassDirectory::Lookup(SClass_ID superClass, Class_ID id) const {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& entry) { return entry.superClass == superClass && entry.id == id; });
    return found == entries_.end() ? nullptr : &*found;
}

#pragma once
// The host's directory of known classes, keyed by (super class, class id):
// the loader registers the plug-ins' classes here and everything else
// creates instances through it.

#include "host/core/Animatable.h"
#include "host/core/ClassDesc.h"
#include "host/core/ClassId.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ClassDirectory {
public:
    // The one directory of the running host.
    static ClassDirectory& Host();

    // Registers desc under its super class and class id on behalf of owner
    // (the module file that holds it). False, and nothing changes, when that
    // key is taken.
    bool Add(ClassDesc* desc, std::string owner);
    // Forgets every entry of desc.
    void Remove(const ClassDesc* desc);

    ClassDesc* Find(SClass_ID superClass, Class_ID id) const;
    // Who registered the key; null when nobody did.
    const std::string* OwnerOf(SClass_ID superClass, Class_ID id) const;
    // The descriptors of one super class in the order they were registered.
    std::vector<ClassDesc*> OfSuperClass(SClass_ID superClass) const;
    // Every descriptor in the order they were registered.
    std::vector<ClassDesc*> All() const;
    // Whether a module whose file is named fileName (a path's last part)
    // registered any class.
    bool HasModule(std::string_view fileName) const;
    // A new instance of the class, or null when it is not registered.
    Animatable* Create(SClass_ID superClass, Class_ID id, bool loading) const;
    std::size_t Count() const { return entries_.size(); }

private:
    struct Entry {
        SClass_ID superClass;
        Class_ID id;
        ClassDesc* desc;
        std::string owner;
    };
    const Entry* Lookup(SClass_ID superClass, Class_ID id) const;

    std::vector<Entry> entries_;
};

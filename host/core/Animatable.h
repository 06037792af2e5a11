#pragma once
// The root of everything the host creates through a class descriptor:
// objects, modifiers, materials, texture maps, controllers, exporters.
// Plug-in classes add their own virtual operations after these, so the
// order here is part of the contract between the host and the modules.

#include "host/core/ClassId.h"
#include "host/core/Persistence.h"
#include "host/core/RefMessages.h"

#include <string>
#include <unordered_map>

class Animatable;
class Interface;
class Interval;

// Where editing starts: 0 is the modify panel.
constexpr unsigned BEGIN_EDIT_CREATE = 0x1;
// Editing ends because the panel takes the user interface away.
constexpr unsigned END_EDIT_REMOVEUI = 0x1;

// Pairs each original with its copy while the host clones a group of
// instances, so that copies can find each other's copies.
class RemapDir {
public:
    void AddEntry(const Animatable* original, Animatable* copy) { copies_[original] = copy; }
    // Null when the original has not been cloned in this group.
    Animatable* FindMapping(const Animatable* original) const {
        const auto found = copies_.find(original);
        return found == copies_.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<const Animatable*, Animatable*> copies_;
};

class Animatable {
public:
    // Drops the references this instance holds, then tells the makers that
    // still refer to it that it is deleted (see DeleteAllRefsToMe).
    virtual ~Animatable();
    virtual Class_ID ClassID() const = 0;
    virtual SClass_ID SuperClassID() const = 0;
    virtual std::string GetClassName() const { return {}; }
    // Frees the instance; host and modules each free what they allocated.
    virtual void DeleteThis() { delete this; }

    // The instance is being edited in a panel of ip (flags: where, see
    // BEGIN_EDIT_CREATE; prev: the instance edited before, if any): it adds
    // its rollup pages. EndEditParams removes them again.
    virtual void BeginEditParams(Interface* /*ip*/, unsigned /*flags*/, Animatable* /*prev*/) {}
    virtual void EndEditParams(Interface* /*ip*/, unsigned /*flags*/, Animatable* /*next*/) {}
    // A new instance with this one's state, or null when the class cannot be
    // copied. Implementations end with BaseClone(this, copy, remap).
    virtual Animatable* Clone(RemapDir& /*remap*/) { return nullptr; }
    // The instance's state as chunks of its own, and back. An instance
    // without state of its own writes and reads nothing.
    virtual IOResult Save(ISave* /*isave*/) { return IO_OK; }
    virtual IOResult Load(ILoad* /*iload*/) { return IO_OK; }

    // References: an instance (the maker) may refer to others (targets) by
    // index 0..NumRefs()-1 and so hear of their changes. The maker keeps
    // its own pointers in SetReference; the host keeps the dependency and
    // calls SetReference whenever it changes a reference.
    virtual int NumRefs() { return 0; }
    virtual RefTargetHandle GetReference(int /*i*/) { return nullptr; }
    virtual void SetReference(int /*i*/, RefTargetHandle /*target*/) {}
    // A target of this maker sends message (see RefMessages.h) about partID
    // for the time changeInt. On REFMSG_TARGET_DELETED the target may be in
    // its destructor: use hTarget only to tell which reference it is.
    virtual RefResult NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle /*hTarget*/,
                                       PartID& /*partID*/, RefMessage /*message*/) {
        return REF_SUCCEED;
    }

    // Makes reference i refer to target (null: to nothing), dropping what
    // it referred to. REF_FAIL, and nothing changes, when i is not below
    // NumRefs().
    RefResult ReplaceReference(int i, RefTargetHandle target);
    // Makes a new reference i to target; the host keeps no cached values,
    // so the validity interval asks nothing of it.
    RefResult MakeRefByID(const Interval& validity, int i, RefTargetHandle target);
    // Reference i refers to nothing from now on.
    RefResult DeleteReference(int i);
    // Sends message to every maker that refers to this instance.
    RefResult NotifyDependents(const Interval& changeInt, PartID partID, RefMessage message);
    // The instance is going away: REFMSG_TARGET_DELETED to every maker that
    // refers to it, then each reference still left is set to nothing.
    void DeleteAllRefsToMe();
};

// The host's part of every clone: it records the pair in remap.
inline void BaseClone(const Animatable* from, Animatable* to, RemapDir& remap) { remap.AddEntry(from, to); }

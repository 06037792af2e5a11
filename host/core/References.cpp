// The host's record of references: which maker refers to which target by
// which index. Makers keep their own pointers; this record is what lets a
// target reach its makers, and what the host cleans up when either side
// goes away.

#include "host/core/Animatable.h"
#include "host/core/Interval.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

struct Link {
    Animatable* maker;
    int index;
    Animatable* target;
};

// Never freed: instances may be destroyed during the program's exit,
// after any static record would already be gone.
std::vector<Link>& Links() {
    static auto* links = new std::vector<Link>;
    return *links;
}

bool Linked(const Link& link) {
    const std::vector<Link>& links = Links();
    return std::any_of(links.begin(), links.end(), [&link](const Link& other) {
        return other.maker == link.maker && other.index == link.index && other.target == link.target;
    });
}

void Unlink(const Animatable* maker, int index) {
    std::vector<Link>& links = Links();
    links.erase(std::remove_if(links.begin(), links.end(),
                               [=](const Link& link) { return link.maker == maker && link.index == index; }),
                links.end());
}

// The links to target as they are now: makers may change them while they
// are being notified.
std::vector<Link> LinksTo(const Animatable* target) {
    std::vector<Link> found;
    std::copy_if(Links().begin(), Links().end(), std::back_inserter(found),
                 [target](const Link& link) { return link.target == target; });
    return found;
}

}  // namespace

Animatable::~Animatable() {
    std::vector<Link>& links = Links();
    links.erase(std::remove_if(links.begin(), links.end(), [this](const Link& link) { return link.maker == this; }),
                links.end());
    DeleteAllRefsToMe();
}

RefResult Animatable::ReplaceReference(int i, RefTargetHandle target) {
    if (i < 0 || i >= NumRefs()) return REF_FAIL;
    Unlink(this, i);
    if (target != nullptr) Links().push_back(Link{this, i, target});
    SetReference(i, target);
    return REF_SUCCEED;
}

RefResult Animatable::MakeRefByID(const Interval&, int i, RefTargetHandle target) {
    return ReplaceReference(i, target);
}

RefResult Animatable::DeleteReference(int i) { return ReplaceReference(i, nullptr); }

RefResult Animatable::NotifyDependents(const Interval& changeInt, PartID partID, RefMessage message) {
    for (const Link& link : LinksTo(this)) {
        // An earlier maker's answer may have removed this link.
        if (!Linked(link)) continue;
        PartID part = partID;
        link.maker->NotifyRefChanged(changeInt, this, part, message);
    }
    return REF_SUCCEED;
}

void Animatable::DeleteAllRefsToMe() {
    if (LinksTo(this).empty()) return;
    NotifyDependents(FOREVER, PART_ALL, REFMSG_TARGET_DELETED);
    for (const Link& link : LinksTo(this)) {
        Unlink(link.maker, link.index);
        link.maker->SetReference(link.index, nullptr);
    }
}

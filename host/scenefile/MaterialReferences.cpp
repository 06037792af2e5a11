#include "host/scenefile/MaterialReferences.h"

#include "host/scene/Mtl.h"

#include <set>

namespace scenefile {
namespace {

// Depth-first through the sub-material references; a reference to a
// material still open on the way down closes a cycle.
class CycleCheck {
public:
    explicit CycleCheck(const std::vector<SubMaterialList>& lists) : lists_(lists) {
        for (const SubMaterialList& list : lists) listOf_[list.material] = &list;
    }

    // In file order, so that the same file always reports the same reference.
    void Run() {
        for (const SubMaterialList& list : lists_) Visit(list);
    }

private:
    void Visit(const SubMaterialList& list) {
        if (done_.count(list.material) != 0) return;
        open_.push_back(&list);
        for (int slot = 0; slot < list.material->NumSubMtls(); ++slot) {
            const Mtl* sub = list.material->GetSubMtl(slot);
            const auto next = listOf_.find(sub);
            if (next == listOf_.end()) continue;
            for (std::size_t i = 0; i < open_.size(); ++i) {
                if (open_[i]->material == sub) FailCycle(list.names.Element(static_cast<std::size_t>(slot)), i);
            }
            Visit(*next->second);
        }
        open_.pop_back();
        done_.insert(list.material);
    }

    [[noreturn]] void FailCycle(const JsonCursor& reference, std::size_t from) const {
        std::string chain;
        for (std::size_t i = from; i < open_.size(); ++i) chain += "\"" + open_[i]->name + "\" > ";
        reference.Fail("reference cycle: " + chain + "\"" + open_[from]->name + "\"");
    }

    const std::vector<SubMaterialList>& lists_;
    std::map<const Mtl*, const SubMaterialList*> listOf_;
    std::vector<const SubMaterialList*> open_;
    std::set<const Mtl*> done_;
};

}  // namespace

void LinkSubMaterials(const std::vector<SubMaterialList>& lists, const std::map<std::string, Mtl*>& materials) {
    for (const SubMaterialList& list : lists) {
        for (std::size_t i = 0; i < list.names.Size(); ++i) {
            const JsonCursor entry = list.names.Element(i);
            if (entry.IsNull()) {
                list.material->AddSubMtl(nullptr);
                continue;
            }
            if (!entry.IsString()) entry.FailExpected("a material name or null");
            const auto found = materials.find(entry.Text());
            if (found == materials.end()) entry.Fail("no material named \"" + entry.Utf8() + "\"");
            list.material->AddSubMtl(found->second);
        }
    }
    CycleCheck(lists).Run();
}

}  // namespace scenefile

#include "modifiers/BrushRollupPages.h"

#include "host/params/PageLayout.h"
#include "modifiers/BrushValueTable.h"
#include "modifiers/ControlDescs.h"

namespace bv = brush_values;

namespace {

ClassRollupPage ChoicePage(int templateId, const std::string& title, const bv::Choice& choice) {
    PageLayout layout(templateId, title);
    layout.BeginGroup(choice.group);
    layout.RadioButtons(ChoiceButtons(choice));
    layout.EndGroup();
    return ClassRollupPage{layout.Finish(), title, {RadioGroupDesc(choice)}, false};
}

ClassRollupPage PolyFlagsPage() {
    PageLayout layout(101, "Brush Polygon Flags");
    std::vector<ParamUIDesc> controls;
    layout.BeginGroup("Polygon Flags");
    for (const bv::PolyFlag& flag : bv::kPolyFlags) {
        layout.CheckBox(flag.checkBoxId, flag.label);
        controls.push_back(ParamUIDesc::CheckBox(bv::PolyFlagIndex(flag), flag.checkBoxId));
    }
    layout.EndGroup();
    return ClassRollupPage{layout.Finish(), "Brush Polygon Flags", std::move(controls), true};
}

}  // namespace

ClassRollups& BrushRollups() {
    static ClassRollups rollups({
        ChoicePage(103, "Brush CSG Oper.", bv::kCsgOperation),
        ChoicePage(104, "Brush Type", bv::kBrushType),
        PolyFlagsPage(),
    });
    return rollups;
}

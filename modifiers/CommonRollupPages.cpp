#include "modifiers/CommonRollupPages.h"

#include "host/params/PageLayout.h"
#include "host/ui/Bitmap.h"
#include "modifiers/CommonPropertyTable.h"
#include "modifiers/ControlDescs.h"

namespace cp = common_properties;

namespace {

const ui::Bitmap& BannerPicture() {
    // Battlements against the sky: the module tags what becomes the level.
    static const ui::Bitmap picture(
        kBannerBitmapId, {{'s', ui::RGB(96, 140, 200)}, {'#', ui::RGB(60, 60, 70)}, {'g', ui::RGB(70, 120, 60)}},
        {
            "ssssssssssssssssssssssssssssssss",
            "ssssssssssssssssssssssssssssssss",
            "ss#s#s#sssssssssssssssssss#s#s#s",
            "ss#####sssssssssssssssssss#####s",
            "ss#####ss#s#s#s#s#s#s#s#ss#####s",
            "ss#####ss###############ss#####s",
            "ss#############################s",
            "gggggggggggggggggggggggggggggggg",
        });
    return picture;
}

ClassRollupPage BannerPage() {
    ui::DialogTemplate dialog{kBannerPageId, "corvatrix", PageLayout::kPageWidth, 35,
                              {ui::BitmapControl(BannerPicture(), 0, 0, PageLayout::kPageWidth, 35)}};
    return ClassRollupPage{std::move(dialog), "corvatrix", {}, false};
}

ClassRollupPage PropertyPage(const cp::Page& page) {
    PageLayout layout(page.templateId, page.title);
    std::vector<ParamUIDesc> controls;
    layout.BeginGroup(page.title);
    for (const cp::Flag& flag : page.flags) {
        layout.CheckBox(flag.checkBoxId, flag.label);
        controls.push_back(CheckBoxDesc(flag));
    }
    if (page.templateId == cp::kAdvancedPageId) layout.CheckBox(cp::kNoDeleteCheckBox, cp::kNoDeleteLabel, false);
    for (const cp::Spinner& spinner : page.spinners) {
        layout.Spinner(spinner.label, spinner.editId, spinner.spinnerId);
        controls.push_back(SpinnerDesc(spinner));
    }
    if (page.choice) {
        layout.BeginGroup(page.choice->group);
        layout.RadioButtons(ChoiceButtons(*page.choice));
        layout.EndGroup();
        controls.push_back(RadioGroupDesc(*page.choice));
    }
    layout.EndGroup();
    return ClassRollupPage{layout.Finish(), page.title, std::move(controls), true};
}

std::vector<ClassRollupPage> CommonPages() {
    std::vector<ClassRollupPage> pages{BannerPage()};
    for (const cp::Page& page : cp::kPages) pages.push_back(PropertyPage(page));
    return pages;
}

}  // namespace

ClassRollups& CommonRollups() {
    static ClassRollups rollups(CommonPages());
    return rollups;
}

#pragma once
// The class page of a trigger while it is edited: the parameter map of the
// current property set's page, titled "Properties", with the text handler
// that keeps the page's text edits and the set's texts in step.

#include "host/params/ParamMap.h"

class Interface;
class TriggerPropertySet;

// The user dialog procedure of a class page. The custom edits of the set's
// text rows show text 1 and text 2 when the page opens; when the artist
// presses Enter in one and when the page closes, both go back into the
// set, at most kTextChars characters each.
class TriggerTextHandler final : public ParamMapUserDlgProc {
public:
    explicit TriggerTextHandler(TriggerPropertySet& set) : set_(set) {}

    ui::INT_PTR DlgProc(TimeValue t, IParamMap* map, ui::HWND page, unsigned msg, ui::WPARAM wParam,
                        ui::LPARAM lParam) override;
    void DeleteThis() override { delete this; }

private:
    void ShowTexts(ui::HWND page) const;
    void TakeTexts(ui::HWND page);

    TriggerPropertySet& set_;
};

// Adds the page of set on ip, bound to set and with its text handler; null
// when the page cannot be built. DestroyParamMap removes it.
IParamMap* CreateTriggerClassPage(TriggerPropertySet& set, Interface* ip);

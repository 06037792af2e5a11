#pragma once
// The four drop-down lists of the "Mover Properties" page: the encroach,
// glide and bump types and the initial state. No parameter map entry binds
// them; they are filled when the page opens and read back when it closes,
// so a choice reaches the modifier only then.
//
// The lists always work on the modifier that the page's map is pointed at,
// also after the page was pointed at another mover.

#include "host/params/ParamMap.h"

// Fills the lists of page and selects the choices stored in values.
void FillChoiceLists(ui::HWND page, IParamArray& values, TimeValue t);
// Stores the lists' selections in values; a list without one stores nothing.
void StoreChoiceLists(ui::HWND page, IParamArray& values, TimeValue t);

// The page's user dialog procedure; it reports no message as handled.
class ChoiceListsProc : public ParamMapUserDlgProc {
public:
    ui::INT_PTR DlgProc(TimeValue t, IParamMap* map, ui::HWND page, unsigned message, ui::WPARAM wParam,
                        ui::LPARAM lParam) override;
    void DeleteThis() override { delete this; }
};

#pragma once
// The "Properties" rollup of an actor helper: one control per property of
// its definition, made at run time in an empty page, each change written
// straight back into the definition's values.

#include "host/ui/DialogTemplate.h"
#include "host/ui/Messages.h"

struct ActorDef;

// What the page edits; the actor helper gives itself as the page's data.
class ActorDefinitionHolder {
public:
    virtual ~ActorDefinitionHolder() = default;
    // Null while the holder has no definition.
    virtual ActorDef* Definition() = 0;
};

// The property i's main control; its spinner's edit is this + 4000.
constexpr int kFirstPropertyControlId = 7745;
constexpr int PropertyControlId(int index) { return kFirstPropertyControlId + 4 * index; }

// The empty page the controls go into (dialog 117).
const ui::DialogTemplate& PropertyPageTemplate();

// Creates the controls for def's properties in page, set from its values;
// returns the content height in pixels.
int BuildPropertyControls(ui::HWND page, const ActorDef& def);

// The page's procedure: its WM_INITDIALOG data is an ActorDefinitionHolder*.
ui::INT_PTR PropertyPageProc(ui::HWND page, unsigned message, ui::WPARAM wParam, ui::LPARAM lParam);

#pragma once
// Parameter maps: a rollup page whose controls show the values of a
// parameter array and write the user's changes back, as a table of
// ParamUIDesc entries says. A plug-in may add a dialog procedure of its own
// for whatever the table does not cover.

#include "host/params/IParamArray.h"
#include "host/params/ParamUIDesc.h"
#include "host/ui/Messages.h"

#include <string>

class IParamMap;
class Interface;

namespace ui {
struct DialogTemplate;
}

// A plug-in's own handling of a map's page.
class ParamMapUserDlgProc {
public:
    virtual ~ParamMapUserDlgProc() = default;
    // Each message of the page (initialisation, commands, notifications,
    // destruction …), after the map's own handling, at the host's current
    // time. True when handled.
    virtual ui::INT_PTR DlgProc(TimeValue t, IParamMap* map, ui::HWND hWnd, unsigned msg, ui::WPARAM wParam,
                                ui::LPARAM lParam) = 0;
    // The map lets go of the procedure: it was destroyed or given another.
    virtual void DeleteThis() = 0;
};

class IParamMap {
public:
    virtual ~IParamMap() = default;

    // Shows the parameter array's current values in the controls.
    virtual void Invalidate() = 0;
    // Points the map at another parameter array (null for none: the
    // controls keep what they show and changes go nowhere) and shows its
    // values.
    virtual void SetParamBlock(IParamArray* values) = 0;
    virtual IParamArray* GetParamBlock() const = 0;
    // The map owns proc from now on and lets go of the one it had. A proc
    // given to a map whose page exists gets WM_INITDIALOG at once, as if it
    // had been there when the page was built.
    virtual void SetUserDlgProc(ParamMapUserDlgProc* proc) = 0;
    virtual ParamMapUserDlgProc* GetUserDlgProc() const = 0;
    // The page; null once it was deleted.
    virtual ui::HWND GetHWnd() const = 0;
};

// Adds a rollup page made from dialogTemplate on ip, titled title (flags as
// for Interface::AddRollupPage) and binds its controls to values through
// the count entries of descriptors (which are copied). Null when the page
// cannot be built.
IParamMap* CreateParamMap(const ParamUIDesc* descriptors, int count, IParamArray* values, Interface* ip,
                          const ui::DialogTemplate& dialogTemplate, const std::string& title, unsigned flags);
// Deletes the map's page (its procedures see WM_DESTROY), then lets go of
// the user dialog procedure and frees the map. Null does nothing.
void DestroyParamMap(IParamMap* map);

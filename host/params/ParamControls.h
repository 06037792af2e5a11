#pragma once
// Inside parameter maps: what one table entry does to its controls on a
// page, and how it takes the user's changes back to the parameter array.

#include "host/params/IParamArray.h"
#include "host/params/ParamUIDesc.h"

namespace param_controls {

// Once, when the page is built: limits, scale and edit of a spinner.
void SetUp(const ParamUIDesc& desc, ui::HWND page);
// Shows the parameter's value; a parameter the array does not handle
// leaves the control as it is.
void Show(const ParamUIDesc& desc, ui::HWND page, IParamArray& values, TimeValue t);
// True when the message is the user's change of this entry's control; the
// new value then went to values (when there are any).
bool TakeChange(const ParamUIDesc& desc, ui::HWND page, IParamArray* values, TimeValue t, unsigned message,
                ui::WPARAM wParam);

}  // namespace param_controls

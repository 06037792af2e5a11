#pragma once
// The "Unreal Trigger" rollup (dialog 101): display switches, the class
// drop-down, the event and the collision cylinder. One exists while a
// trigger is being edited.

#include "host/ui/DialogTemplate.h"

class IParamMap;
class Interface;
class TriggerHelperObject;

constexpr int kTriggerRollupId = 101;
constexpr int kTriggerClassList = 1001;
constexpr int kShowCylinderCheckBox = 1003;
constexpr int kShowLinkCheckBox = 1004;
constexpr int kEventButton = 1005;
constexpr int kEventLabel = 1006;

const ui::DialogTemplate& TriggerRollupTemplate();
void ShowTriggerRollup(Interface* ip, TriggerHelperObject& trigger);
void DestroyTriggerRollup();
// The rollup's map while it exists.
IParamMap* TriggerRollupMap();
// Shows trigger's event name, when the rollup shows trigger.
void ShowTriggerEventName(const TriggerHelperObject& trigger);
// Pops the event button out after a pick.
void ReleaseEventButton();

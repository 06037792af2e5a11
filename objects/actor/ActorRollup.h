#pragma once
// The "Unreal Actor" rollup (dialog 105): the display switches and the
// class drop-down. One exists while an actor is being edited.

#include "host/ui/DialogTemplate.h"

class ActorHelperObject;
class IParamMap;
class Interface;

constexpr int kActorRollupId = 105;
constexpr int kShowAsIconCheckBox = 1026;
constexpr int kDirectionalCheckBox = 1027;
constexpr int kActorClassList = 1007;

const ui::DialogTemplate& ActorRollupTemplate();
// Adds the rollup for object on ip, or points the existing one at it.
void ShowActorRollup(Interface* ip, ActorHelperObject& object);
void DestroyActorRollup();
// The rollup's map while it exists.
IParamMap* ActorRollupMap();

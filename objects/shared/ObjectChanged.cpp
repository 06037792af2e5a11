#include "objects/shared/ObjectChanged.h"

#include "host/core/Animatable.h"
#include "host/core/RefMessages.h"
#include "host/scene/Interface.h"
#include "host/core/Interval.h"

void NotifyObjectChanged(Animatable& object) {
    object.NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    Interface* ip = GetCoreInterface();
    ip->RedrawViews(ip->GetTime());
}

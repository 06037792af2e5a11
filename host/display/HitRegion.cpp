#include "host/display/HitRegion.h"

HitRegion MakeHitRegion(int type, int crossing, int epsilon, const IPoint2* p) {
    HitRegion region;
    region.crossing = crossing != 0;
    region.epsilon = epsilon;
    region.pt = p[0];
    if (type == HITTYPE_BOX) {
        region.type = RECT_RGN;
        region.rect = Rect::Spanning(p[0], p[1]);
    }
    return region;
}

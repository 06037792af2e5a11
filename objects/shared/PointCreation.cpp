#include "objects/shared/PointCreation.h"

#include "host/display/ViewExp.h"
#include "host/scene/CreateMouseCallBack.h"

namespace {

class PointCreationCallBack : public CreateMouseCallBack {
public:
    int proc(ViewExp* vpt, int msg, int point, int, IPoint2 m, Matrix3& mat) override {
        if (msg == MOUSE_ABORT) return CREATE_ABORT;
        mat.SetTrans(vpt->SnapPoint(m, m, nullptr, 0));
        return point == 2 ? CREATE_STOP : CREATE_CONTINUE;
    }
};

}  // namespace

CreateMouseCallBack* PointCreation() {
    static PointCreationCallBack callBack;
    return &callBack;
}

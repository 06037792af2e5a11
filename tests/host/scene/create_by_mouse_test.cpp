#include "host/core/ClassDirectory.h"
#include "host/scene/CreateByMouse.h"
#include "host/scene/CreateMouseCallBack.h"
#include "tests/host/scene/ViewportScene.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Class_ID kProbeId(0x7E57, 2);

struct Message {
    int msg;
    int point;
    IPoint2 m;
    bool operator==(const Message& other) const { return msg == other.msg && point == other.point && m == other.m; }
};

// What the probes heard, and how many exist.
std::vector<Message> heard;
std::vector<unsigned> editFlags;
int alive = 0;
// The point number at which a probe is complete, and the answer it then gives.
int stopAt = 2;
int finalAnswer = CREATE_STOP;

// Follows the mouse on the construction plane, turned a quarter, until point stopAt.
class Probe : public HelperObject, public CreateMouseCallBack {
public:
    Probe() { ++alive; }
    ~Probe() override { --alive; }
    Class_ID ClassID() const override { return kProbeId; }
    std::string GetClassName() const override { return "Probe"; }
    void BeginEditParams(Interface*, unsigned flags, Animatable*) override { editFlags.push_back(flags); }
    void EndEditParams(Interface*, unsigned flags, Animatable*) override { editFlags.push_back(flags); }
    CreateMouseCallBack* GetCreateMouseCallBack() override { return this; }

    int proc(ViewExp* vpt, int msg, int point, int, IPoint2 m, Matrix3& mat) override {
        heard.push_back(Message{msg, point, m});
        if (msg == MOUSE_ABORT) return CREATE_ABORT;
        mat = RotateZMatrix(1.57079632679f);
        mat.SetTrans(vpt->SnapPoint(m, m, nullptr, 0));
        return point == stopAt ? finalAnswer : CREATE_CONTINUE;
    }
};

class ProbeDesc : public ClassDesc2 {
public:
    bool IsPublic() const override { return true; }
    Animatable* Create(bool) override { return new Probe; }
    const char* ClassName() const override { return "Probe"; }
    const char* Category() const override { return "tests"; }
    SClass_ID SuperClassID() const override { return HELPER_CLASS_ID; }
    Class_ID ClassID() const override { return kProbeId; }
    const char* InternalName() const override { return "probe"; }
    HINSTANCE HInstance() const override { return nullptr; }
};

class CreateByMouse : public ViewportScene {
protected:
    CreateByMouse() {
        ClassDirectory::Host().Add(&desc, "tests");
        heard.clear();
        editFlags.clear();
        stopAt = 2;
        finalAnswer = CREATE_STOP;
    }
    ~CreateByMouse() override { ClassDirectory::Host().Remove(&desc); }

    INode* Create(const std::vector<IPoint2>& clicks) {
        return CreateNodeByMouse(ip, HELPER_CLASS_ID, kProbeId, clicks);
    }

    ProbeDesc desc;
};

}  // namespace

TEST_F(CreateByMouse, EachClickPressesReleasesAndMovesOnToTheNext) {
    stopAt = 3;  // the second click's release
    INode* node = Create({IPoint2(320, 240), IPoint2(420, 190)});
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(heard, (std::vector<Message>{{MOUSE_POINT, 0, {320, 240}},
                                           {MOUSE_POINT, 1, {320, 240}},
                                           {MOUSE_MOVE, 2, {420, 190}},
                                           {MOUSE_POINT, 2, {420, 190}},
                                           {MOUSE_POINT, 3, {420, 190}}}));
    EXPECT_EQ(editFlags, (std::vector<unsigned>{BEGIN_EDIT_CREATE, END_EDIT_REMOVEUI}));
    EXPECT_STREQ(node->GetName(), "Probe001");
    EXPECT_EQ(node->GetParentNode(), scene.GetRootNode());
    EXPECT_EQ(node->GetObjectRef()->ClassID(), kProbeId);
    const Matrix3 tm = node->GetNodeTM(0);
    EXPECT_EQ(tm.GetTrans(), Point3(100, 50, 0));
    EXPECT_NEAR(tm.GetRow(0).y, 1.0f, 1e-5f) << "the callback's quarter turn";

    stopAt = 2;  // one click and the mouse moving on
    heard.clear();
    EXPECT_STREQ(Create({IPoint2(320, 240)})->GetName(), "Probe002");
    EXPECT_EQ(heard.back(), (Message{MOUSE_MOVE, 2, {320, 240}}));
    EXPECT_EQ(alive, 2) << "both stay with the scene";
}

TEST_F(CreateByMouse, AbortOrClicksRunningOutLeaveNothing) {
    stopAt = 9;
    EXPECT_EQ(Create({IPoint2(320, 240)}), nullptr);
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard.back(), (Message{MOUSE_ABORT, 2, {320, 240}}));
    EXPECT_EQ(editFlags.size(), 2u) << "the panel was shown and taken away";

    heard.clear();
    stopAt = 2;
    finalAnswer = CREATE_ABORT;
    EXPECT_EQ(Create({IPoint2(320, 240)}), nullptr);
    EXPECT_EQ(heard.size(), 3u) << "no abort message after the callback's own abort";
    EXPECT_EQ(CreateNodeByMouse(ip, HELPER_CLASS_ID, Class_ID(0x7E57, 99), {IPoint2()}), nullptr);
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 0);
    EXPECT_EQ(alive, 0);
}

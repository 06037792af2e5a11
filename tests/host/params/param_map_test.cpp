#include "host/params/ParamMap.h"
#include "host/scene/Interface.h"
#include "host/ui/CustomControls.h"
#include "host/ui/Dialog.h"
#include "host/ui/DialogTemplate.h"
#include "host/ui/UserInput.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace ui;

namespace {

// Parameters and the controls of the test page.
constexpr int kFlag = 1;
constexpr int kCount = 2;
constexpr int kSize = 3;
constexpr int kChoice = 4;
constexpr int kCheckBox = 1001;
constexpr int kCountEdit = 1002;
constexpr int kCountSpinner = 1003;
constexpr int kSizeEdit = 1004;
constexpr int kSizeSpinner = 1005;
constexpr int kFirstButton = 1010;

const DialogTemplate& Page() {
    static const DialogTemplate page{106,
                                     "Test",
                                     108,
                                     60,
                                     {
                                         AutoCheckBox(kCheckBox, "Flag", 5, 5, 60, 10),
                                         CustEdit(kCountEdit, 5, 17, 30, 10),
                                         SpinnerControl(kCountSpinner, 36, 17, 7, 10),
                                         CustEdit(kSizeEdit, 50, 17, 30, 10),
                                         SpinnerControl(kSizeSpinner, 81, 17, 7, 10),
                                         AutoRadioButton(kFirstButton, "A", 5, 30, 20, 10, WS_GROUP),
                                         AutoRadioButton(kFirstButton + 1, "B", 30, 30, 20, 10),
                                         AutoRadioButton(kFirstButton + 2, "C", 55, 30, 20, 10),
                                     }};
    return page;
}

const std::vector<ParamUIDesc>& Table() {
    static const std::vector<ParamUIDesc> table{
        ParamUIDesc::CheckBox(kFlag, kCheckBox),
        ParamUIDesc::Spinner(kCount, EDITTYPE_INT, kCountEdit, kCountSpinner, 0.0f, 255.0f, 1.0f),
        ParamUIDesc::Spinner(kSize, EDITTYPE_FLOAT, kSizeEdit, kSizeSpinner, -10000.0f, 10000.0f, SPIN_AUTOSCALE),
        ParamUIDesc::RadioGroup(kChoice, {kFirstButton, kFirstButton + 1, kFirstButton + 2}),
    };
    return table;
}

// Answers the indices it holds and remembers the time of each change.
class TestParams : public IParamArray {
public:
    TestParams(int flag, int count, float size, int choice)
        : ints{{kFlag, flag}, {kCount, count}, {kChoice, choice}}, floats{{kSize, size}} {}

    using IParamArray::GetValue;
    using IParamArray::SetValue;
    bool SetValue(int index, TimeValue t, int value) override { return Store(ints, index, t, value); }
    bool SetValue(int index, TimeValue t, float value) override { return Store(floats, index, t, value); }
    bool GetValue(int index, TimeValue, int& value) override { return Fetch(ints, index, value); }
    bool GetValue(int index, TimeValue, float& value) override { return Fetch(floats, index, value); }

    std::map<int, int> ints;
    std::map<int, float> floats;
    std::vector<TimeValue> changeTimes;

private:
    template <class T>
    bool Store(std::map<int, T>& values, int index, TimeValue t, T value) {
        if (!values.count(index)) return false;
        values[index] = value;
        changeTimes.push_back(t);
        return true;
    }
    template <class T>
    static bool Fetch(const std::map<int, T>& values, int index, T& value) {
        const auto found = values.find(index);
        if (found == values.end()) return false;
        value = found->second;
        return true;
    }
};

// What a user dialog procedure saw, with the array and the check box as
// they were at that moment.
struct Seen {
    unsigned message;
    TimeValue t;
    IParamMap* map;
    HWND page;
    int flagInArray;
    unsigned checkState;
};

class RecordingUserProc : public ParamMapUserDlgProc {
public:
    RecordingUserProc(const TestParams& params, std::vector<Seen>& seen, int& deletions)
        : params_(params), seen_(seen), deletions_(deletions) {}
    INT_PTR DlgProc(TimeValue t, IParamMap* map, HWND hWnd, unsigned msg, WPARAM, LPARAM) override {
        seen_.push_back({msg, t, map, hWnd, params_.ints.at(kFlag), IsDlgButtonChecked(hWnd, kCheckBox)});
        return 0;
    }
    void DeleteThis() override {
        ++deletions_;
        delete this;
    }

private:
    const TestParams& params_;
    std::vector<Seen>& seen_;
    int& deletions_;
};

class ParamMaps : public ::testing::Test {
protected:
    void SetUp() override { InitCustomControls(); }
    void TearDown() override {
        DestroyParamMap(map);
        host->SetTime(0);
    }

    IParamMap* Create(IParamArray* values, unsigned flags = 0) {
        return CreateParamMap(Table().data(), static_cast<int>(Table().size()), values, host, Page(), "Test", flags);
    }
    HWND Item(int id) const { return GetDlgItem(map->GetHWnd(), id); }
    unsigned Checked(int id) const { return IsDlgButtonChecked(map->GetHWnd(), id); }
    int CountShown() const { return GetISpinner(Item(kCountSpinner)).GetIVal(); }
    float SizeShown() const { return GetISpinner(Item(kSizeSpinner)).GetFVal(); }

    Interface* host = GetCoreInterface();
    IParamMap* map = nullptr;
};

}  // namespace

TEST_F(ParamMaps, ControlsShowTheArraysValuesOnCreationAndWhenInvalidated) {
    TestParams params(1, 7, 2.5f, 2);
    map = Create(&params);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->GetParamBlock(), &params);
    EXPECT_EQ(Checked(kCheckBox), BST_CHECKED);
    EXPECT_EQ(CountShown(), 7);
    EXPECT_EQ(GetWindowText(Item(kCountEdit)), "7");
    EXPECT_FLOAT_EQ(SizeShown(), 2.5f);
    EXPECT_EQ(GetWindowText(Item(kSizeEdit)), "2.5");
    EXPECT_EQ(Checked(kFirstButton), BST_UNCHECKED);
    EXPECT_EQ(Checked(kFirstButton + 2), BST_CHECKED);

    params.ints = {{kFlag, 0}, {kCount, 300}, {kChoice, 0}};
    params.floats[kSize] = -0.5f;
    EXPECT_EQ(Checked(kCheckBox), BST_CHECKED) << "nothing changes before the map is told";
    map->Invalidate();
    EXPECT_EQ(Checked(kCheckBox), BST_UNCHECKED);
    EXPECT_EQ(CountShown(), 255) << "the spinner keeps to its limits";
    EXPECT_FLOAT_EQ(SizeShown(), -0.5f);
    EXPECT_EQ(Checked(kFirstButton), BST_CHECKED);
    EXPECT_EQ(Checked(kFirstButton + 2), BST_UNCHECKED);

    params.ints = {{kFlag, 1}, {kCount, 9}};
    map->Invalidate();
    EXPECT_EQ(Checked(kFirstButton), BST_CHECKED) << "a parameter the array does not answer is left as shown";
    EXPECT_TRUE(params.changeTimes.empty()) << "showing values writes none";
}

TEST_F(ParamMaps, UserChangesReachTheArrayWithinTheControlsLimits) {
    TestParams params(0, 0, 0.0f, 0);
    map = Create(&params);
    host->SetTime(960);

    ASSERT_TRUE(user::Click(Item(kCheckBox)));
    EXPECT_EQ(params.ints[kFlag], 1);
    user::Click(Item(kCheckBox));
    EXPECT_EQ(params.ints[kFlag], 0);

    ASSERT_TRUE(user::SetSpinnerValue(Item(kCountSpinner), 300));
    EXPECT_EQ(params.ints[kCount], 255);
    user::SetSpinnerValue(Item(kCountSpinner), -3);
    EXPECT_EQ(params.ints[kCount], 0);
    user::StepSpinner(Item(kCountSpinner), 4);
    EXPECT_EQ(params.ints[kCount], 4);
    ASSERT_TRUE(user::Type(Item(kCountEdit), "128"));
    EXPECT_EQ(params.ints[kCount], 128);

    user::SetSpinnerValue(Item(kSizeSpinner), 12345.0);
    EXPECT_FLOAT_EQ(params.floats[kSize], 10000.0f);
    user::SetSpinnerValue(Item(kSizeSpinner), -20000.0);
    EXPECT_FLOAT_EQ(params.floats[kSize], -10000.0f);
    user::Type(Item(kSizeEdit), "3.25");
    EXPECT_FLOAT_EQ(params.floats[kSize], 3.25f);

    ASSERT_TRUE(user::Click(Item(kFirstButton + 1)));
    EXPECT_EQ(params.ints[kChoice], 1);
    user::Click(Item(kFirstButton + 2));
    EXPECT_EQ(params.ints[kChoice], 2);
    EXPECT_EQ(Checked(kFirstButton + 1), BST_UNCHECKED);

    ASSERT_FALSE(params.changeTimes.empty());
    for (TimeValue t : params.changeTimes) EXPECT_EQ(t, 960) << "changes happen at the host's time";
}

TEST_F(ParamMaps, ARepointedMapShowsAndEditsTheOtherArray) {
    TestParams first(1, 10, 1.0f, 0);
    TestParams second(0, 20, 2.0f, 1);
    map = Create(&first);
    HWND page = map->GetHWnd();

    map->SetParamBlock(&second);
    EXPECT_EQ(map->GetHWnd(), page) << "the same page";
    EXPECT_EQ(map->GetParamBlock(), &second);
    EXPECT_EQ(Checked(kCheckBox), BST_UNCHECKED);
    EXPECT_EQ(CountShown(), 20);
    EXPECT_FLOAT_EQ(SizeShown(), 2.0f);
    EXPECT_EQ(Checked(kFirstButton + 1), BST_CHECKED);

    user::Click(Item(kCheckBox));
    user::SetSpinnerValue(Item(kCountSpinner), 21);
    user::Click(Item(kFirstButton + 2));
    EXPECT_EQ(second.ints, (std::map<int, int>{{kFlag, 1}, {kCount, 21}, {kChoice, 2}}));
    EXPECT_EQ(first.ints, (std::map<int, int>{{kFlag, 1}, {kCount, 10}, {kChoice, 0}}));
    EXPECT_TRUE(first.changeTimes.empty());

    map->SetParamBlock(&first);
    EXPECT_EQ(CountShown(), 10);

    map->SetParamBlock(nullptr);
    EXPECT_EQ(CountShown(), 10) << "without an array the controls keep what they show";
    EXPECT_TRUE(user::SetSpinnerValue(Item(kCountSpinner), 99));
    EXPECT_EQ(first.ints[kCount], 10);
    EXPECT_EQ(second.ints[kCount], 21);
}

TEST_F(ParamMaps, TheUserDialogProcedureSeesThePagesMessagesAfterTheMap) {
    TestParams params(0, 0, 0.0f, 0);
    std::vector<Seen> seen;
    int deletions = 0;
    map = Create(&params);
    HWND page = map->GetHWnd();
    host->SetTime(480);

    auto* proc = new RecordingUserProc(params, seen, deletions);
    map->SetUserDlgProc(proc);
    EXPECT_EQ(map->GetUserDlgProc(), proc);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, WM_INITDIALOG) << "a late procedure is initialised too";
    EXPECT_EQ(seen[0].map, map);
    EXPECT_EQ(seen[0].page, page);
    EXPECT_EQ(seen[0].t, 480);

    user::Click(Item(kCheckBox));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].message, WM_COMMAND);
    EXPECT_EQ(seen[1].flagInArray, 1) << "the map stored the click first";

    user::SetSpinnerValue(Item(kSizeSpinner), 4.0);
    std::vector<unsigned> messages;
    for (const Seen& s : seen) messages.push_back(s.message);
    EXPECT_EQ(messages, (std::vector<unsigned>{WM_INITDIALOG, WM_COMMAND, CC_SPINNER_BUTTONDOWN, CC_SPINNER_CHANGE,
                                               CC_SPINNER_BUTTONUP}));

    DestroyParamMap(map);
    map = nullptr;
    ASSERT_EQ(seen.back().message, WM_DESTROY);
    EXPECT_EQ(seen.back().checkState, BST_CHECKED) << "the controls still exist while the page is destroyed";
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(IsWindow(page));

    map = Create(&params);
    map->SetUserDlgProc(new RecordingUserProc(params, seen, deletions));
    map->SetUserDlgProc(new RecordingUserProc(params, seen, deletions));
    EXPECT_EQ(deletions, 2) << "a replaced procedure is let go";
    map->SetUserDlgProc(nullptr);
    EXPECT_EQ(deletions, 3);
}

TEST_F(ParamMaps, EachMapIsARollupPageOfTheHost) {
    TestParams params(0, 0, 0.0f, 0);
    map = Create(&params, APPENDROLL_CLOSED);
    IParamMap* banner = CreateParamMap(nullptr, 0, nullptr, host, Page(), "Banner", 0);
    ASSERT_NE(banner, nullptr) << "a page without parameters";

    std::vector<RollupPage> pages = host->GetRollupPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].title, "Test");
    EXPECT_EQ(pages[0].window, map->GetHWnd());
    EXPECT_FALSE(pages[0].open);
    EXPECT_EQ(pages[1].title, "Banner");
    EXPECT_TRUE(pages[1].open);

    EXPECT_FALSE(user::Click(Item(kCheckBox))) << "rolled up";
    host->SetRollupPageOpen(map->GetHWnd(), true);
    EXPECT_TRUE(user::Click(Item(kCheckBox)));
    EXPECT_EQ(params.ints[kFlag], 1);

    HWND bannerPage = banner->GetHWnd();
    EXPECT_TRUE(user::Click(GetDlgItem(bannerPage, kCheckBox))) << "controls without a table entry are left alone";
    DestroyParamMap(banner);
    EXPECT_FALSE(IsWindow(bannerPage));
    pages = host->GetRollupPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].title, "Test");

    host->DeleteRollupPage(map->GetHWnd());
    EXPECT_EQ(map->GetHWnd(), nullptr) << "the map knows its page is gone";
    map->Invalidate();
    map->SetParamBlock(&params);

    const DialogTemplate broken{9, "Broken", 108, 40, {DialogControl{5, "NoSuchClass", "", WS_CHILD, 0, 0, 1, 1}}};
    EXPECT_EQ(CreateParamMap(Table().data(), 1, &params, host, broken, "Broken", 0), nullptr);
    EXPECT_EQ(CreateParamMap(Table().data(), 1, &params, nullptr, Page(), "No host", 0), nullptr);
    EXPECT_TRUE(host->GetRollupPages().empty());
}

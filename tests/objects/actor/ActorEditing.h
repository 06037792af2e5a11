#pragma once
// Editing an actor helper in the host's command panel, as the artist does.

#include "host/scene/Interface.h"
#include "host/ui/CustomControls.h"
#include "objects/actor/ActorHelperObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ActorEditing : public ::testing::Test {
protected:
    void SetUp() override { ui::InitCustomControls(); }
    // Tests whose object outlives the test body may leave it edited.
    void TearDown() override {
        if (editing_) End();
        EXPECT_TRUE(ip->GetRollupPages().empty());
    }

    void Begin(ActorHelperObject& object, unsigned flags = 0) {
        object.BeginEditParams(ip, flags, nullptr);
        editing_ = &object;
    }
    void End() {
        editing_->EndEditParams(ip, 0, nullptr);
        editing_ = nullptr;
    }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const RollupPage& page : ip->GetRollupPages()) titles.push_back(page.title);
        return titles;
    }
    ui::HWND Page(const std::string& title) const {
        for (const RollupPage& page : ip->GetRollupPages()) {
            if (page.title == title) return page.window;
        }
        ADD_FAILURE() << "no page " << title;
        return nullptr;
    }

    Interface* ip = GetCoreInterface();

private:
    ActorHelperObject* editing_ = nullptr;
};

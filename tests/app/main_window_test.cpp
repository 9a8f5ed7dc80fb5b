#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/globals.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "resources/main_form.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/messages.h"
#include "skin/skin_object.h"
#include "skin/skin_settings.h"
#include "tests/app/recording_lottery.h"

namespace qinglan::app {
namespace {

using lottery::recorded::Calls;

std::string Show(long k) {
    char call[32];
    std::snprintf(call, sizeof call, "ShowPlannerPlan(%ld)", k);
    return call;
}

// The main window built from its form with the shell's events, as at
// start-up, with recording stand-ins in place of the lottery modules.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime::Initialise());
        runtime::ClearStopRequest();
        skin::TheSkinObject = new skin::SkinObject();
        skin::SkinnedWindowList = new std::vector<skin::SkinnedWindow>();
        skin::MemoryDcList = new std::vector<skin::MemoryDcEntry>();
        lottery::recorded::Clear();
        form_ = std::make_unique<runtime::Form>(resources::kMainForm);
        ASSERT_TRUE(CreateMainWindow(*form_));
        // The worker thread records its start.
        for (int i = 0; i < 100 && std::ranges::count(Calls(), "PollLiveDraw") == 0; ++i)
            runtime::DelayDispatching(50);
    }
    void TearDown() override {
        form_.reset();
        ExitRoutine();
    }
    void Click(ControlId button) {
        SendMessageA(runtime::WindowOf(button), BM_CLICK, 0, 0);
        runtime::DispatchPendingMessages();
    }
    std::unique_ptr<runtime::Form> form_;
};

TEST_F(MainWindowTest, CreatedEventRunsTheStartUpStepsInOrder) {
    std::vector<std::string> calls = Calls();
    // The worker thread may record its start before or after the main
    // thread's last step; the main thread's own order is fixed.
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], "LoadDrawHistory");
    std::erase(calls, "PollLiveDraw");
    EXPECT_EQ(calls, (std::vector<std::string>{"LoadDrawHistory", "LoadCheckedPlannerPlan"}));
    ASSERT_EQ(skin::SkinnedWindowList->size(), 1u);
    EXPECT_EQ(skin::SkinnedWindowList->front().hwnd, form_->Handle());
    EXPECT_EQ(skin::BackgroundMode, 3);
    EXPECT_FALSE(skin::BackgroundImage.empty());
}

TEST_F(MainWindowTest, PlannerButtonsAreCopiesOfTheTemplate) {
    const char* names[] = {"青岚", "阿月", "云帆", "北辰", "南风", "紫烟", "寒星", "长歌", "小雨", "流光", "远山"};
    const ControlId radioTemplate = form_->Id("单选框1");
    for (long k = 1; k <= 11; ++k) {
        SCOPED_TRACE(k);
        const ControlId button = PlannerRadioIds()[k];
        EXPECT_FALSE(button.IsNull());
        EXPECT_NE(button, radioTemplate);
        EXPECT_EQ(runtime::ControlText(button), names[k - 1]);
        EXPECT_EQ(runtime::ControlTop(button), 145 + 48 * (k - 1));
        EXPECT_EQ(runtime::ControlLeft(button), 665);
        EXPECT_EQ(runtime::ControlWidth(button), 75);
        EXPECT_EQ(runtime::ControlHeight(button), 32);
        EXPECT_TRUE(runtime::ControlVisible(button));
        EXPECT_EQ(runtime::ControlChecked(button), k == 1);
        EXPECT_EQ(GetWindowLongPtrA(runtime::WindowOf(button), GWL_STYLE) & (BS_TYPEMASK | BS_MULTILINE),
                  BS_AUTORADIOBUTTON | BS_MULTILINE);
    }
    EXPECT_EQ(runtime::ControlTop(PlannerRadioIds()[11]) + runtime::ControlHeight(PlannerRadioIds()[11]), 657);
    EXPECT_EQ(runtime::ControlText(radioTemplate), "单选框");
}

TEST_F(MainWindowTest, ClickShowsThePlanOfTheClickedPlannerOnly) {
    lottery::recorded::Clear();
    for (long k = 11; k >= 1; --k) Click(PlannerRadioIds()[k]);
    Click(PlannerRadioIds()[1]);  // the checked button fetches again
    EXPECT_TRUE(runtime::ControlChecked(PlannerRadioIds()[1]));
    EXPECT_FALSE(runtime::ControlChecked(PlannerRadioIds()[11]));
    Click(form_->Id("单选框1"));  // the template is no planner
    std::vector<std::string> expected;
    for (long k = 11; k >= 1; --k) expected.push_back(Show(k));
    expected.push_back(Show(1));
    EXPECT_EQ(Calls(), expected);
}

TEST_F(MainWindowTest, ExitRoutineReleasesTheProcessState) {
    ExitRoutine();
    for (long k = 1; k <= 11; ++k) EXPECT_TRUE(PlannerRadioIds()[k].IsNull());
    EXPECT_EQ(skin::TheSkinObject, nullptr);
    EXPECT_EQ(skin::SkinnedWindowList, nullptr);
    EXPECT_EQ(skin::MemoryDcList, nullptr);
    EXPECT_EQ(skin::AppIcon, nullptr);
    EXPECT_TRUE(skin::BackgroundImage.empty());
}

TEST(FatalIndexError, PlannerIndexOutsideOneToElevenEndsTheProgram) {
    testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(PlannerRadioIds()[12], testing::ExitedWithCode(3), "index 12 is outside PlannerRadioIds\\[1..11\\]");
    EXPECT_EXIT(PlannerRadioIds()[0], testing::ExitedWithCode(3), "index 0 is outside");
}

}  // namespace
}  // namespace qinglan::app

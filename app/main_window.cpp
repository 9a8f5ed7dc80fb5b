#include "app/main_window.h"

#include <cmath>
#include <vector>

#include "app/globals.h"
#include "lottery/draw_history.h"
#include "lottery/live_poller.h"
#include "lottery/planner_plans.h"
#include "net/text.h"
#include "resources/images.h"
#include "resources/main_form.h"
#include "runtime/controls.h"
#include "runtime/fatal.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "skin/skin_object.h"

namespace qinglan::app {
namespace {

runtime::Form* mainForm = nullptr;

}  // namespace

bool CreateMainWindow(runtime::Form& form) {
    mainForm = &form;
    form.OnCreated(OnMainWindowCreated);
    form.OnClicked("单选框1", OnPlannerButtonClicked);
    form.OnTimer("时钟1", OnTimerTick);
    return form.Create();
}

int RunMainWindow() {
    runtime::Form form(resources::kMainForm);
    int result = CreateMainWindow(form) ? runtime::RunMessageLoop() : 1;
    mainForm = nullptr;
    return result;
}

void BuildPlannerButtons() {
    const std::vector<Text> names = net::Split(kPlannerNames, " ");
    const ControlId radioTemplate = Controls().radioTemplate;
    for (long k = 1; k <= PlannerIds::Size(); ++k) {
        ControlId copy = mainForm->Copy(radioTemplate);
        const int height = runtime::ControlHeight(radioTemplate), top = runtime::ControlTop(radioTemplate);
        runtime::SetControlTop(copy, static_cast<int>(std::trunc(top + (height + 16.0) * (k - 1))));
        runtime::SetControlVisible(copy, true);
        runtime::SetControlText(copy, runtime::ItemAt(names, k, "PlannerNames"));
        PlannerRadioIds()[k] = copy;
    }
}

void ApplySkin(std::span<const std::uint8_t> backgroundImage, COLORREF backgroundColour, COLORREF themeColour,
               HWND window, int veilAlpha, int titleHeight, int helpButton, int mainMenuButton, int showCaption) {
    skin::SkinObject& skinObject = *skin::TheSkinObject;
    skinObject.SetBackground("", backgroundImage, backgroundColour, themeColour, 3);
    skinObject.SetControlOptions(1, veilAlpha, std::nullopt);
    skinObject.SkinWindow(window, titleHeight, 1, 1, helpButton, mainMenuButton, showCaption, 0);
}

void SkinPanel(HWND panel) { skin::TheSkinObject->SkinContainer(panel, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt); }

void OnMainWindowCreated() {
    MainControls& controls = Controls();
    controls.historyList = mainForm->Id("超级列表框1");
    controls.periodLabel = mainForm->Id("透明标签2");
    controls.drawLabel = mainForm->Id("透明标签1");
    controls.planBox = mainForm->Id("编辑框1");
    controls.panel = mainForm->Id("分组框2");
    controls.radioTemplate = mainForm->Id("单选框1");

    BuildPlannerButtons();
    ApplySkin(resources::WindowBackgroundImage(), 0, 0xFF000000, mainForm->Handle(), 0, 24, 0, 0, 1);
    SkinPanel(runtime::WindowOf(controls.panel));
    lottery::LoadDrawHistory();
    runtime::StartWorkerThread(lottery::PollLiveDraw);
    runtime::SetControlChecked(PlannerRadioIds()[1], true);
    lottery::LoadCheckedPlannerPlan();
}

void OnPlannerButtonClicked() {
    const ControlId sender = runtime::EventSender();
    for (long k = 1; k <= PlannerIds::Size(); ++k)
        if (PlannerRadioIds()[k] == sender) lottery::ShowPlannerPlan(static_cast<int>(k));
}

void OnTimerTick() {}

}  // namespace qinglan::app

#include "app/startup.h"

#include "app/globals.h"
#include "app/main_window.h"
#include "gdiplus/library.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "skin/skin_object.h"
#include "skin/skin_settings.h"

namespace qinglan::app {

ULONG_PTR StartGdiplus(std::optional<UINT32> version) {
    // The 16-byte start-up input: version, then three zero fields.
    struct StartupInput {
        UINT32 version;
        void* debugCallback;
        BOOL suppressBackgroundThread;
        BOOL suppressExternalCodecs;
    } input{version.value_or(1), nullptr, FALSE, FALSE};
    using Startup = int WINAPI(ULONG_PTR*, const StartupInput*, void*);
    ULONG_PTR token = 0;
    // A failed start-up is not reported: the token is kept whatever the status.
    if (auto startup = gdiplus::Bind<Startup>("GdiplusStartup")) startup(&token, &input, nullptr);
    return token;
}

HICON LoadAppIcon() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(0x81));
    return icon ? icon : LoadIconA(instance, "DEFAULT_ICON");
}

void InitialiseSkinModule() {
    skin::GdiplusToken = StartGdiplus();
    skin::AppIcon = LoadAppIcon();
    skin::FirstSizePending = 1;
    skin::ControlSkinEnabled = 1;
    skin::ControlVeilAlpha = 160;
    skin::ThemeColour = 14535202;
    skin::TrackBarFrameEnabled = 1;
}

namespace {
void ClearPlannerRadioIds() {
    for (long k = 1; k <= PlannerIds::Size(); ++k) PlannerRadioIds()[k] = {};
}
}  // namespace

void ExitRoutine() {
    ClearPlannerRadioIds();
    delete skin::TheSkinObject;
    skin::TheSkinObject = nullptr;
    delete skin::SkinnedWindowList;
    skin::SkinnedWindowList = nullptr;
    delete skin::MemoryDcList;
    skin::MemoryDcList = nullptr;
    skin::BackgroundImage.clear();
    skin::BackgroundImage.shrink_to_fit();
}

int ProgramEntry() {
    runtime::Initialise();
    ClearPlannerRadioIds();
    skin::TheSkinObject = new skin::SkinObject();
    skin::SkinnedWindowList = new std::vector<skin::SkinnedWindow>();
    skin::MemoryDcList = new std::vector<skin::MemoryDcEntry>();
    runtime::RegisterExitRoutine(ExitRoutine);
    InitialiseSkinModule();
    int result = RunMainWindow();
    runtime::RunExitRoutine();
    return result;
}

}  // namespace qinglan::app

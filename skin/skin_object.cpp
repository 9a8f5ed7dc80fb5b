#include "skin/skin_object.h"

#include "gdiplus/library.h"
#include "skin/skin_settings.h"

namespace qinglan::skin {

SkinObject::SkinObject() { BackgroundColour = GetSysColor(COLOR_BTNFACE); }

SkinObject::~SkinObject() {
    if (AppIcon) DestroyIcon(AppIcon);
    AppIcon = nullptr;
    using Shutdown = void WINAPI(ULONG_PTR);
    if (auto shutdown = gdiplus::Bind<Shutdown>("GdiplusShutdown"); shutdown && GdiplusToken) shutdown(GdiplusToken);
    GdiplusToken = 0;
}

// The painted frame and control skins are built on these four operations;
// until then they keep the settings and leave the windows as they are.
bool SkinObject::SetBackground(const Text&, std::span<const std::uint8_t> imageBytes, COLORREF backgroundColour,
                               COLORREF themeColour, int placementMode) {
    BackgroundImage.assign(imageBytes.begin(), imageBytes.end());
    BackgroundColour = backgroundColour;
    ThemeColour = themeColour;
    BackgroundMode = placementMode;
    return true;
}

void SkinObject::SetControlOptions(int controlSkinOn, std::optional<int> veilAlpha, std::optional<int> trackBarFrame) {
    ControlSkinEnabled = controlSkinOn;
    ControlVeilEnabled = veilAlpha.has_value();
    if (veilAlpha) ControlVeilAlpha = *veilAlpha;
    TrackBarFrameEnabled = trackBarFrame.value_or(1);
}

bool SkinObject::SkinWindow(HWND window, int, int, int, int, int, int, int) {
    if (!window) return false;
    SkinnedWindowList->push_back({window});
    return true;
}

bool SkinObject::SkinContainer(HWND container, int, COLORREF, int, std::optional<int>) { return container != nullptr; }

}  // namespace qinglan::skin

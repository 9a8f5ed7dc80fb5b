// The main window: its "created" event, the planner buttons and their clicks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace qinglan {
namespace runtime { class Form; }
}

namespace qinglan::app {

// Planner k (1..11) is the k-th word of this text.
inline constexpr char kPlannerNames[] = "青岚 阿月 云帆 北辰 南风 紫烟 寒星 长歌 小雨 流光 远山";

// Binds the main window's events to `form` (built from the main form) and
// creates it; the "created" event runs inside.
bool CreateMainWindow(runtime::Form& form);

// Builds the main window from its form, runs it until it closes; returns the
// message loop's result.
int RunMainWindow();

void OnMainWindowCreated();
void BuildPlannerButtons();
void ApplySkin(std::span<const std::uint8_t> backgroundImage, COLORREF backgroundColour, COLORREF themeColour,
               HWND window, int veilAlpha, int titleHeight, int helpButton, int mainMenuButton, int showCaption);
void SkinPanel(HWND panel);
void OnPlannerButtonClicked();
void OnTimerTick();

}  // namespace qinglan::app

// The skin engine object: the operations the application drives.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "runtime/types.h"

namespace qinglan::skin {

// One skinned top-level window (identity: 1-based position in the list).
struct SkinnedWindow {
    HWND hwnd = nullptr;
};

// A memory DC made by the skin, released by its user right after use.
struct MemoryDcEntry {
    HDC dc = nullptr;
};

class SkinObject {
public:
    SkinObject();
    // Releases AppIcon and shuts GDI+ down with GdiplusToken.
    ~SkinObject();
    SkinObject(const SkinObject&) = delete;
    SkinObject& operator=(const SkinObject&) = delete;

    bool SetBackground(const Text& imageFile, std::span<const std::uint8_t> imageBytes, COLORREF backgroundColour,
                       COLORREF themeColour, int placementMode);
    void SetControlOptions(int controlSkinOn, std::optional<int> veilAlpha, std::optional<int> trackBarFrame);
    bool SkinWindow(HWND window, int titleHeight, int frameEnabled, int resizable, int helpButton,
                    int mainMenuButton, int showCaption, int titleGloss);
    bool SkinContainer(HWND container, int backdrop, COLORREF fillColour, int fillAlpha,
                       std::optional<int> framed);
};

inline SkinObject* TheSkinObject = nullptr;
inline std::vector<SkinnedWindow>* SkinnedWindowList = nullptr;
inline std::vector<MemoryDcEntry>* MemoryDcList = nullptr;

}  // namespace qinglan::skin

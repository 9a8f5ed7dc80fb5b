// The skin engine's process-wide settings and state.
#pragma once

#include <windows.h>

#include "runtime/types.h"

namespace qinglan::skin {

inline ULONG_PTR GdiplusToken = 0;
inline HICON AppIcon = nullptr;  // released by the skin object's destructor
inline int FirstSizePending = 1;
inline int ControlSkinEnabled = 1;
inline int ControlVeilAlpha = 160;
inline COLORREF ThemeColour = 14535202;  // 0x00DDCA22
inline int TrackBarFrameEnabled = 1;
inline COLORREF BackgroundColour = 0;
inline int ControlVeilEnabled = 0;
inline int BackgroundMode = 0;
inline ByteArray BackgroundImage;

}  // namespace qinglan::skin

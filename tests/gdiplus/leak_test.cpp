// A few hundred frames drawn through the wrappers leave no GDI or GDI+
// object and no memory behind.
#include <gtest/gtest.h>

#include "runtime/handle.h"
#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

// Bytes in use on the process heap, where GDI+ keeps its objects.
SIZE_T HeapBytesInUse() {
    HANDLE heap = GetProcessHeap();
    SIZE_T busy = 0;
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    HeapUnlock(heap);
    return busy;
}

// One frame as a skin painter makes it: wrappers as locals, everything
// deleted by their destruction, the result taken out as a GDI bitmap.
void DrawFrame(HDC dc, const PlusImage& picture, HFONT gdiFont) {
    PlusBitmap surface;
    ASSERT_TRUE(surface.CreateFromScan0(64, 48));
    PlusGraphics graphics;
    ASSERT_TRUE(graphics.GetImageGraphicsContext(surface));
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.GraphicsClear(0xFF203040);
    PlusPath path;
    path.CreatePath();
    path.AddRoundedRectangle(2.0f, 2.0f, 60.0f, 44.0f, 20);
    PlusLinearBrush line;
    line.CreateLineBrush(PointF(0, 0), PointF(0, 48), 0xFFFFFFFF, 0xFF000000);
    const ARGB colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    const REAL positions[] = {0.0f, 0.5f, 1.0f};
    line.SetLinePresetBlend(colours, positions);
    graphics.FillPath(line, path);
    PlusPathBrush glow;
    glow.CreatePathGradientFromPath(path);
    glow.SetPathGradientCenterColor(0x80FFFFFF);
    graphics.SetClipPath(path, CombineModeReplace);
    graphics.FillRectangle(glow, 0.0f, 0.0f, 64.0f, 48.0f);
    graphics.ResetClip();
    graphics.DrawImageRectRect(picture, 4.0f, 4.0f, 20.0f, 10.0f);
    PlusSolidBrush solid;
    solid.CreateSolidFill(0xFF102030);
    PlusPen pen;
    pen.CreatePen2(solid, 2.0f, UnitPixel);
    graphics.DrawPath(pen, path);
    PlusFont font;
    font.CreateFromHFONT(dc, gdiFont);
    PlusFontFamily family;
    font.GetFamily(family);
    family.GetFamilyName();
    family.DeleteFontFamily();
    PlusStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(StringAlignmentCenter);
    RectF bounds;
    graphics.MeasureString("\xBF\xAA\xBD\xB1", font, RectF(0, 0, 64, 48), format, bounds);
    graphics.DrawString("\xBF\xAA\xBD\xB1", font, solid, RectF(0, 0, 64, 48), format);
    UniqueBitmap frame(surface.GetHBITMAP(0));
    ASSERT_TRUE(frame);
    ByteArray png = surface.SaveToBytes(kPngFormat);
    PlusBitmap reloaded;
    ASSERT_TRUE(reloaded.LoadFromBytes(png));
}

TEST(Leaks, HundredsOfFramesLeaveNothingBehind) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueFont gdiFont(CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                                   "WenQuanYi Micro Hei"));
    PlusImage picture;
    ASSERT_TRUE(picture.LoadFromBytes(testing::kTinyPng));
    for (int i = 0; i < 20; ++i) DrawFrame(dc.Get(), picture, gdiFont.Get());  // caches settle

    long objects = LiveObjectCount(), handles = LiveHandleCount();
    SIZE_T heap = HeapBytesInUse();
    constexpr int kFrames = 300;
    for (int i = 0; i < kFrames; ++i) DrawFrame(dc.Get(), picture, gdiFont.Get());
    EXPECT_EQ(LiveObjectCount(), objects);
    EXPECT_EQ(LiveHandleCount(), handles);
    // One leaked object of even 16 bytes a frame would add 4800 bytes.
    SIZE_T grown = HeapBytesInUse() - heap;
    EXPECT_LT(static_cast<long long>(grown), 16LL * kFrames / 4) << "heap grew by " << grown;
}

}  // namespace
}  // namespace qinglan::gdiplus

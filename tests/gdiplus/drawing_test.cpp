// Drawing through the wrappers into small ARGB bitmaps, probed pixel by pixel.
#include <gtest/gtest.h>

#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

using testing::Canvas;
using testing::Channel;

constexpr ARGB kBlack = 0xFF000000;

TEST(Drawing, SolidFillCoversItsRectangleOnly) {
    Canvas canvas(10, 10);
    PlusSolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(0xFF20C040));
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 2.0f, 2.0f, 4.0f, 4.0f));
    EXPECT_EQ(canvas.At(3, 3), 0xFF20C040u);
    EXPECT_EQ(canvas.At(5, 5), 0xFF20C040u);
    EXPECT_EQ(canvas.At(1, 3), kBlack);
    EXPECT_EQ(canvas.At(6, 6), kBlack);
}

TEST(Drawing, LinearBrushFollowsItsPresetBlend) {
    Canvas canvas(100, 4);
    PlusLinearBrush brush;
    ASSERT_TRUE(brush.CreateLineBrush(PointF(0, 0), PointF(100, 0), 0xFFFF0000, 0xFF0000FF));
    const ARGB colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    const REAL positions[] = {0.0f, 0.5f, 1.0f};
    ASSERT_TRUE(brush.SetLinePresetBlend(colours, positions));
    std::vector<ARGB> readColours;
    std::vector<REAL> readPositions;
    EXPECT_EQ(brush.GetLinePresetBlend(readColours, readPositions), 3);
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, RectF(0, 0, 100, 4)));
    ARGB left = canvas.At(2, 2), middle = canvas.At(50, 2), right = canvas.At(97, 2);
    EXPECT_GT(Channel(left, 16), 200);
    EXPECT_GT(Channel(middle, 8), 200);
    EXPECT_LT(Channel(middle, 16), 40);
    EXPECT_LT(Channel(middle, 0), 40);
    EXPECT_GT(Channel(right, 0), 200);
}

TEST(Drawing, PathGradientRunsFromCentreToSurround) {
    Canvas canvas(41, 41);
    PlusPath ellipse;
    ASSERT_TRUE(ellipse.CreatePath());
    ASSERT_TRUE(ellipse.AddPathEllipse(0.0f, 0.0f, 40.0f, 40.0f));
    PlusPathBrush brush;
    ASSERT_TRUE(brush.CreatePathGradientFromPath(ellipse));
    ASSERT_TRUE(brush.SetPathGradientCenterColor(0xFFFFFFFF));
    const ARGB surround[] = {0xFFFF0000};
    INT taken = 1;
    ASSERT_TRUE(brush.SetPathGradientSurroundColorsWithCount(surround, &taken));
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(brush.GetPathGradientCenterColor(), 0xFFFFFFFFu);
    ASSERT_TRUE(canvas.graphics.FillPath(brush, ellipse));
    ARGB centre = canvas.At(20, 20), edge = canvas.At(20, 1);
    EXPECT_GT(Channel(centre, 8), 220);  // white: green and blue high too
    EXPECT_GT(Channel(edge, 16), 200);
    EXPECT_LT(Channel(edge, 8), 80);
    EXPECT_EQ(canvas.At(1, 1), kBlack);  // outside the ellipse
}

TEST(Drawing, RoundedPathLeavesItsCornersEmpty) {
    Canvas canvas(40, 40);
    PlusPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddRoundedRectangle(0.0f, 0.0f, 40.0f, 40.0f, 50));
    PlusSolidBrush white;
    ASSERT_TRUE(white.CreateSolidFill(0xFFFFFFFF));
    ASSERT_TRUE(canvas.graphics.FillPath(white, path));
    EXPECT_EQ(canvas.At(1, 1), kBlack);
    EXPECT_EQ(canvas.At(38, 38), kBlack);
    EXPECT_EQ(canvas.At(20, 20), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.At(20, 1), 0xFFFFFFFFu);  // the straight part of the top edge
}

TEST(Drawing, PenMadeFromBrushPaintsWithTheBrushColour) {
    Canvas canvas(20, 12);
    PlusSolidBrush green;
    ASSERT_TRUE(green.CreateSolidFill(0xFF00FF00));
    PlusPen pen;
    ASSERT_TRUE(pen.CreatePen2(green, 3.0f, UnitPixel));
    EXPECT_EQ(pen.GetPenFillType(), PenTypeSolidColor);
    ASSERT_TRUE(canvas.graphics.DrawLine(pen, 0.0f, 5.5f, 20.0f, 5.5f));
    EXPECT_EQ(canvas.At(10, 5), 0xFF00FF00u);
    EXPECT_EQ(canvas.At(10, 10), kBlack);
    PlusSolidBrush fill;
    ASSERT_TRUE(pen.GetPenBrushFill(fill));
    EXPECT_EQ(fill.GetSolidFillColor(), 0xFF00FF00u);
}

TEST(Drawing, ClipToPathAndToRectangleThenReset) {
    PlusSolidBrush white;
    ASSERT_TRUE(white.CreateSolidFill(0xFFFFFFFF));
    {
        Canvas canvas(20, 20);
        PlusPath circle;
        ASSERT_TRUE(circle.CreatePath());
        ASSERT_TRUE(circle.AddPathEllipse(0.0f, 0.0f, 20.0f, 20.0f));
        ASSERT_TRUE(canvas.graphics.SetClipPath(circle, CombineModeReplace));
        ASSERT_TRUE(canvas.graphics.FillRectangle(white, 0.0f, 0.0f, 20.0f, 20.0f));
        EXPECT_EQ(canvas.At(1, 1), kBlack);
        EXPECT_EQ(canvas.At(10, 10), 0xFFFFFFFFu);
    }
    Canvas canvas(10, 10);
    ASSERT_TRUE(canvas.graphics.SetClipRect(0.0f, 0.0f, 5.0f, 10.0f, CombineModeReplace));
    ASSERT_TRUE(canvas.graphics.FillRectangle(white, 0.0f, 0.0f, 10.0f, 10.0f));
    EXPECT_EQ(canvas.At(2, 5), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.At(7, 5), kBlack);
    RectF bounds;
    ASSERT_TRUE(canvas.graphics.GetClipBounds(bounds));
    EXPECT_EQ(bounds.Width, 5.0f);
    ASSERT_TRUE(canvas.graphics.ResetClip());
    ASSERT_TRUE(canvas.graphics.FillRectangle(white, 0.0f, 0.0f, 10.0f, 10.0f));
    EXPECT_EQ(canvas.At(7, 5), 0xFFFFFFFFu);
}

// Width of a text measured with a CJK face; 0 when the measure fails.
REAL MeasuredWidth(PlusGraphics& graphics, const PlusFont& font, const Text& text) {
    PlusStringFormat format;
    EXPECT_TRUE(format.CreateStringFormat());
    RectF bounds;
    EXPECT_TRUE(graphics.MeasureString(text, font, RectF(0, 0, 400, 40), format, bounds)) << text;
    return bounds.Width;
}

TEST(Drawing, CjkTextIsDrawnAndMeasuredWiderAsItGrows) {
    Canvas canvas(120, 30);
    PlusFont font;
    ASSERT_TRUE(font.Create("\xCB\xCE\xCC\xE5", 16.0f, FontStyleRegular, UnitPixel));  // 宋体
    REAL two = MeasuredWidth(canvas.graphics, font, "\xBF\xAA\xBD\xB1");                  // 开奖
    REAL four = MeasuredWidth(canvas.graphics, font, "\xBF\xAA\xBD\xB1\xCA\xFD\xBE\xDD");  // 开奖数据
    EXPECT_GT(two, 16.0f);
    EXPECT_GT(four, two + 16.0f);
    EXPECT_EQ(MeasuredWidth(canvas.graphics, font, ""), 0.0f);

    PlusSolidBrush white;
    ASSERT_TRUE(white.CreateSolidFill(0xFFFFFFFF));
    PlusStringFormat centred;
    ASSERT_TRUE(centred.CreateStringFormat());
    ASSERT_TRUE(centred.SetStringFormatAlign(StringAlignmentCenter));
    ASSERT_TRUE(centred.SetStringFormatLineAlign(StringAlignmentCenter));
    ASSERT_TRUE(canvas.graphics.DrawString("\xBF\xAA\xBD\xB1", font, white, RectF(0, 0, 120, 30), centred));
    int lit = 0;
    for (INT y = 0; y < 30; ++y)
        for (INT x = 0; x < 120; ++x) lit += canvas.At(x, y) != kBlack;
    EXPECT_GT(lit, 20);
    // Centred: nothing near the left and right ends.
    for (INT y = 0; y < 30; ++y) {
        EXPECT_EQ(canvas.At(2, y), kBlack);
        EXPECT_EQ(canvas.At(117, y), kBlack);
    }
}

TEST(Drawing, DriverStringNeedsOnePositionPerCharacter) {
    Canvas canvas(60, 30);
    PlusFont font;
    ASSERT_TRUE(font.Create("WenQuanYi Micro Hei", 14.0f, FontStyleRegular, UnitPixel));
    PlusSolidBrush white;
    ASSERT_TRUE(white.CreateSolidFill(0xFFFFFFFF));
    const PointF one[] = {{2, 20}};
    long calls = flat::callCount;
    EXPECT_FALSE(canvas.graphics.DrawDriverString("ab", font, white, one));
    EXPECT_EQ(LastStatus(), InvalidParameter);
    EXPECT_EQ(flat::callCount, calls);
    const PointF two[] = {{2, 20}, {20, 20}};
    EXPECT_TRUE(canvas.graphics.DrawDriverString("ab", font, white, two));
}

TEST(Drawing, MeasureCharacterRangesGivesOneRegionPerRange) {
    Canvas canvas(200, 30);
    PlusFont font;
    ASSERT_TRUE(font.Create("WenQuanYi Micro Hei", 14.0f, FontStyleRegular, UnitPixel));
    PlusStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    const CharacterRange ranges[] = {{0, 2}, {2, 3}};
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges(ranges));
    std::vector<PlusRegion> regions;
    ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges("ab cde", font, RectF(0, 0, 200, 30), format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    RectF first, second;
    ASSERT_TRUE(regions[0].GetRegionBounds(canvas.graphics, first));
    ASSERT_TRUE(regions[1].GetRegionBounds(canvas.graphics, second));
    EXPECT_GT(first.Width, 0.0f);
    EXPECT_GE(second.X, first.X + first.Width - 0.5f);
}

}  // namespace
}  // namespace qinglan::gdiplus

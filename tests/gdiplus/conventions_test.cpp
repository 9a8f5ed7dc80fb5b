// The layer's conventions: binding, status, text conversion, ownership.
#include <gtest/gtest.h>

#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

using testing::Canvas;

TEST(Binding, MissingExportFailsWithStatusInsteadOfCrashing) {
    const flat::Function<decltype(&DllExports::GdipFlush)> missing{"GdipNoSuchExport"};
    EXPECT_EQ(missing(nullptr, FlushIntentionFlush), NotImplemented);
    const flat::Function<decltype(&DllExports::GdipAlloc)> missingAlloc{"GdipNoSuchAlloc"};
    EXPECT_EQ(missingAlloc(16), nullptr);
}

TEST(Binding, FailedCallLeavesRawStatusAndSucceedingCallClearsIt) {
    PlusPen empty;
    EXPECT_FALSE(empty.SetPenWidth(2.0f));
    EXPECT_EQ(LastStatus(), InvalidParameter);
    EXPECT_EQ(empty.GetPenWidth(), 0.0f);
    PlusPen pen;
    EXPECT_TRUE(pen.CreatePen1(0xFF112233, 3.0f, UnitPixel));
    EXPECT_EQ(LastStatus(), Ok);
    EXPECT_EQ(pen.GetPenWidth(), 3.0f);
    EXPECT_EQ(pen.GetPenColor(), 0xFF112233u);
}

TEST(Text, ConvertsAnsiToTerminatedUtf16AndBack) {
    struct Case {
        Text ansi;
        std::vector<wchar_t> units;
    } cases[] = {
        {"", {0}},
        {"ab", {L'a', L'b', 0}},
        {"\xBF\xAA\xBD\xB1", {0x5F00, 0x5956, 0}},  // 开奖 in GBK
    };
    for (const Case& c : cases) {
        ByteArray wide = ToWideText(c.ansi);
        ASSERT_EQ(wide.size(), c.units.size() * 2) << c.ansi;
        for (size_t i = 0; i < c.units.size(); ++i)
            EXPECT_EQ(wide[2 * i] | (wide[2 * i + 1] << 8), c.units[i]) << c.ansi << " unit " << i;
        EXPECT_EQ(ToAnsiText(wide), c.ansi);
    }
}

TEST(Text, Utf16FormIsReadNoFurtherThanItsArray) {
    // "ab" with no terminating zero unit, followed by an odd byte.
    const ByteArray unterminated = {'a', 0, 'b', 0, 'c'};
    EXPECT_EQ(ToAnsiText(unterminated), "ab");
    EXPECT_EQ(detail::WideArg(unterminated).Length(), 2);
    EXPECT_EQ(detail::WideArg(ByteArray{'a', 0, 0, 0, 'b', 0}).Length(), 1);
}

TEST(Text, GuidTextRoundTripsAndNonGuidGivesZero) {
    GUID png = TextToGuid(kPngFormat);
    EXPECT_EQ(png.Data1, 0xB96B3CAFu);
    EXPECT_EQ(GuidToText(png), kPngFormat);
    GUID none = TextToGuid("not a guid");
    EXPECT_EQ(GuidToText(none), "{00000000-0000-0000-0000-000000000000}");
}

TEST(Ownership, CountZeroCallsFailWithoutReachingGdiplus) {
    Canvas canvas(8, 8);
    PlusFont font;
    ASSERT_TRUE(font.Create("WenQuanYi Micro Hei", 12.0f, FontStyleRegular, UnitPixel));
    PlusStringFormat format;
    std::vector<PlusRegion> regions;
    long calls = flat::callCount;
    EXPECT_FALSE(canvas.graphics.MeasureCharacterRanges("ab", font, RectF(0, 0, 8, 8), format, 0, regions));
    EXPECT_EQ(LastStatus(), InvalidParameter);
    PlusFontCollection installed;
    std::vector<PlusFontFamily> families;
    EXPECT_EQ(installed.GetFamilyList(0, families), 0);
    EXPECT_EQ(LastStatus(), InvalidParameter);
    EXPECT_EQ(flat::callCount, calls);
}

TEST(Ownership, SecondDeleteReturnsFalseWithoutCallingGdiplus) {
    PlusPath path;
    PlusPen pen;
    PlusSolidBrush brush;
    PlusRegion region;
    PlusStringFormat format;
    PlusBitmap bitmap;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1.0f, UnitPixel));
    ASSERT_TRUE(brush.CreateSolidFill(0xFF000000));
    ASSERT_TRUE(region.CreateRegion());
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(bitmap.CreateFromScan0(2, 2));
    const std::vector<std::pair<const char*, std::function<bool()>>> deletes = {
        {"path", [&] { return path.DeletePath(); }},      {"pen", [&] { return pen.DeletePen(); }},
        {"brush", [&] { return brush.DeleteBrush(); }},   {"region", [&] { return region.DeleteRegion(); }},
        {"format", [&] { return format.DeleteStringFormat(); }}, {"bitmap", [&] { return bitmap.DisposeImage(); }},
    };
    for (const auto& [name, remove] : deletes) {
        EXPECT_TRUE(remove()) << name;
        long calls = flat::callCount;
        EXPECT_FALSE(remove()) << name;
        EXPECT_EQ(flat::callCount, calls) << name;
    }
    EXPECT_TRUE(path.IsEmpty() && pen.IsEmpty() && brush.IsEmpty() && region.IsEmpty() && bitmap.IsEmpty());
}

TEST(Ownership, SetNativeThroughTheBaseReachesEveryLevel) {
    PlusLinearBrush made;
    ASSERT_TRUE(made.CreateLineBrush(PointF(0, 0), PointF(10, 0), 0xFF0000FF, 0xFFFF0000));
    PlusLinearBrush adopted;
    static_cast<PlusObject&>(adopted).SetNative(made.GetNative());
    made.SetNative(nullptr);  // `adopted` alone owns it now
    EXPECT_EQ(adopted.GetBrushType(), BrushTypeLinearGradient);  // brush level
    ARGB colours[2] = {};
    EXPECT_TRUE(adopted.GetLineColors(colours));  // class level
    EXPECT_EQ(colours[0], 0xFF0000FFu);

    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromScan0(3, 2));
    PlusBitmap moved;
    static_cast<PlusObject&>(moved).SetNative(bitmap.GetNative());
    bitmap.SetNative(nullptr);
    EXPECT_EQ(moved.GetImageWidth(), 3u);  // image level
    EXPECT_TRUE(moved.SetPixel(1, 1, 0xFF123456));  // bitmap level
    EXPECT_EQ(moved.GetPixel(1, 1), 0xFF123456u);
}

TEST(Ownership, ClonesAreNewObjectsThatOutliveTheirSource) {
    PlusSolidBrush clonedBrush;
    PlusPen clonedPen;
    PlusPath clonedPath;
    PlusRegion clonedRegion;
    {
        PlusSolidBrush brush;
        ASSERT_TRUE(brush.CreateSolidFill(0xFF445566));
        ASSERT_TRUE(brush.CloneBrush(clonedBrush));
        EXPECT_NE(clonedBrush.GetNative(), brush.GetNative());
        PlusPen pen;
        ASSERT_TRUE(pen.CreatePen1(0xFF010203, 4.0f, UnitPixel));
        ASSERT_TRUE(pen.ClonePen(clonedPen));
        PlusPath path;
        ASSERT_TRUE(path.CreatePath());
        ASSERT_TRUE(path.AddPathRectangle(0.0f, 0.0f, 5.0f, 5.0f));
        ASSERT_TRUE(path.ClonePath(clonedPath));
        PlusRegion region;
        ASSERT_TRUE(region.CreateRegionRect(RectF(0, 0, 4, 4)));
        ASSERT_TRUE(region.CloneRegion(clonedRegion));
    }  // the sources are deleted here
    EXPECT_EQ(clonedBrush.GetSolidFillColor(), 0xFF445566u);
    EXPECT_EQ(clonedPen.GetPenWidth(), 4.0f);
    EXPECT_EQ(clonedPath.GetPointCount(), 4);
    EXPECT_TRUE(clonedRegion.IsVisibleRegionPoint(1.0f, 1.0f, nullptr));
}

TEST(Ownership, MoveHandsTheObjectOverAndEmptiesTheSource) {
    PlusPen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 2.0f, UnitPixel));
    void* native = pen.GetNative();
    PlusPen moved(std::move(pen));
    EXPECT_TRUE(pen.IsEmpty());
    EXPECT_EQ(moved.GetNative(), native);
    EXPECT_EQ(moved.GetPenWidth(), 2.0f);
}

// From the identity, both orders of ScaleAt and RotateAt give one transform:
// the centre stays put and its neighbours move about it.
TEST(Transform, ScaleAtAndRotateAtAgreeInBothOrdersFromIdentity) {
    const PointF centre(10, 20);
    for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        Canvas scaled(4, 4), rotated(4, 4);
        ASSERT_TRUE(scaled.graphics.ScaleAt(2.0f, 3.0f, centre, order));
        ASSERT_TRUE(rotated.graphics.RotateAt(90.0f, centre, order));
        PointF s[] = {{10, 20}, {11, 21}}, r[] = {{10, 20}, {11, 20}};
        ASSERT_TRUE(scaled.graphics.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, s));
        ASSERT_TRUE(rotated.graphics.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, r));
        EXPECT_NEAR(s[0].X, 10, 1e-3) << order;
        EXPECT_NEAR(s[0].Y, 20, 1e-3) << order;
        EXPECT_NEAR(s[1].X, 12, 1e-3) << order;
        EXPECT_NEAR(s[1].Y, 23, 1e-3) << order;
        EXPECT_NEAR(r[1].X, 10, 1e-3) << order;
        EXPECT_NEAR(r[1].Y, 21, 1e-3) << order;
    }
}

// The same composite on a pen and a path brush, read back through their
// transform matrices: (5, 7) stays fixed and the turn is a quarter.
TEST(Transform, PenAndBrushRotateAtKeepTheCentreInBothOrders) {
    auto create = Bind<decltype(DllExports::GdipCreateMatrix)>("GdipCreateMatrix");
    auto elements = Bind<decltype(DllExports::GdipGetMatrixElements)>("GdipGetMatrixElements");
    auto destroy = Bind<decltype(DllExports::GdipDeleteMatrix)>("GdipDeleteMatrix");
    ASSERT_TRUE(create && elements && destroy);
    const PointF centre(5, 7), triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        PlusPen pen;
        ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1.0f, UnitPixel));
        PlusPathBrush brush;
        ASSERT_TRUE(brush.CreatePathGradient(triangle));
        ASSERT_TRUE(pen.RotateAt(90.0f, centre, order));
        ASSERT_TRUE(brush.RotateAt(90.0f, centre, order));
        const std::vector<std::pair<const char*, std::function<bool(GpMatrix*)>>> readers = {
            {"pen", [&](GpMatrix* m) { return pen.GetPenTransform(m); }},
            {"path brush", [&](GpMatrix* m) { return brush.GetPathGradientTransform(m); }},
        };
        for (const auto& [name, read] : readers) {
            GpMatrix* matrix = nullptr;
            ASSERT_EQ(create(&matrix), Ok);
            REAL m[6] = {};
            EXPECT_TRUE(read(matrix)) << name;
            EXPECT_EQ(elements(matrix, m), Ok);
            destroy(matrix);
            // x' = m0 x + m2 y + m4, y' = m1 x + m3 y + m5
            EXPECT_NEAR(m[0] * 5 + m[2] * 7 + m[4], 5, 1e-3) << name << " " << order;
            EXPECT_NEAR(m[1] * 5 + m[3] * 7 + m[5], 7, 1e-3) << name << " " << order;
            EXPECT_NEAR(m[1], 1, 1e-3) << name << " " << order;
        }
    }
}

}  // namespace
}  // namespace qinglan::gdiplus

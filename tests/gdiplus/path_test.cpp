// Path composites: rounded rectangles and path data.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

std::vector<PointF> RoundedPoints(INT percent) {
    PlusPath path;
    EXPECT_TRUE(path.CreatePath());
    EXPECT_TRUE(path.AddRoundedRectangle(10.0f, 20.0f, 60.0f, 40.0f, percent));
    std::vector<PointF> points;
    EXPECT_TRUE(path.GetPathPoints(points));
    return points;
}

bool SamePoints(const std::vector<PointF>& a, const std::vector<PointF>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::fabs(a[i].X - b[i].X) > 1e-3 || std::fabs(a[i].Y - b[i].Y) > 1e-3) return false;
    return true;
}

TEST(RoundedRectangle, PercentIsClampedToOneThroughHundred) {
    struct Case {
        INT given, behavesAs;
    } cases[] = {{0, 1}, {-5, 1}, {101, 100}, {250, 100}};
    for (const Case& c : cases) EXPECT_TRUE(SamePoints(RoundedPoints(c.given), RoundedPoints(c.behavesAs))) << c.given;
    EXPECT_FALSE(SamePoints(RoundedPoints(1), RoundedPoints(100)));
}

TEST(RoundedRectangle, AtHundredTheArcsFormTheInscribedEllipse) {
    PlusPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddRoundedRectangle(10.0f, 20.0f, 60.0f, 40.0f, 100));
    ASSERT_TRUE(path.FlattenPath(nullptr, 0.1f));
    std::vector<PointF> points;
    ASSERT_TRUE(path.GetPathPoints(points));
    ASSERT_GT(points.size(), 8u);
    for (const PointF& p : points) {
        double dx = (p.X - 40.0) / 30.0, dy = (p.Y - 40.0) / 20.0;
        EXPECT_NEAR(dx * dx + dy * dy, 1.0, 0.02) << p.X << "," << p.Y;
    }
    RectF bounds;
    ASSERT_TRUE(path.GetPathWorldBounds(bounds, nullptr, nullptr));
    EXPECT_NEAR(bounds.X, 10, 0.05);
    EXPECT_NEAR(bounds.Width, 60, 0.1);
}

TEST(PathData, GivesPointsAndTypesAndFailsOnAnEmptyPath) {
    PlusPath path;
    ASSERT_TRUE(path.CreatePath());
    PathDataRecord data;
    EXPECT_FALSE(path.GetPathData(data));
    EXPECT_EQ(data.Count, 0);
    ASSERT_TRUE(path.AddPathRectangle(1.0f, 2.0f, 3.0f, 4.0f));
    ASSERT_TRUE(path.GetPathData(data));
    ASSERT_EQ(data.Count, 4);
    EXPECT_EQ(data.Points[2].X, 4.0f);
    EXPECT_EQ(data.Points[2].Y, 6.0f);
    EXPECT_EQ(data.Types, (std::vector<BYTE>{0, 1, 1, 0x81}));
    std::vector<BYTE> types;
    ASSERT_TRUE(path.GetPathTypes(types));
    EXPECT_EQ(types, data.Types);
}

TEST(PathData, PointArraysAddAndCreate) {
    const PointF triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    PlusPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathPolygon(triangle));
    EXPECT_EQ(path.GetPointCount(), 3);
    EXPECT_TRUE(path.IsVisiblePathPoint(2.0f, 2.0f, nullptr));
    EXPECT_FALSE(path.IsVisiblePathPoint(9.0f, 9.0f, nullptr));
    const BYTE types[] = {0, 1, 0x81};
    PlusPath made;
    ASSERT_TRUE(made.CreatePath2(triangle, types));
    std::vector<Point> points;
    ASSERT_TRUE(made.GetPathPointsI(points));
    EXPECT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].X, 10);
}

TEST(PathData, StringOutlineFromAFamily) {
    PlusFontFamily family;
    ASSERT_TRUE(family.CreateFromName("WenQuanYi Micro Hei", PlusFontCollection()));
    PlusPath path;
    ASSERT_TRUE(path.CreatePath());
    PlusStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(path.AddPathString("H", family, FontStyleRegular, 20, RectF(0, 0, 40, 40), format));
    EXPECT_GT(path.GetPointCount(), 4);
    EXPECT_TRUE(family.DeleteFontFamily());
}

}  // namespace
}  // namespace qinglan::gdiplus

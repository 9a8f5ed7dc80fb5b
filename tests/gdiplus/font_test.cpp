// Fonts and families.
#include <gtest/gtest.h>

#include "runtime/handle.h"
#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

TEST(Font, UnknownFamilyFailsAndLeavesTheWrapperEmpty) {
    PlusFont font;
    EXPECT_FALSE(font.Create("No Such Family Anywhere", 12.0f));
    EXPECT_NE(LastStatus(), Ok);
    EXPECT_TRUE(font.IsEmpty());
    // Also over a font the wrapper held before.
    ASSERT_TRUE(font.Create("WenQuanYi Micro Hei", 12.0f));
    EXPECT_FALSE(font.Create("No Such Family Anywhere", 12.0f));
    EXPECT_TRUE(font.IsEmpty());
}

TEST(Font, CreatedByNameReportsSizeStyleAndFamily) {
    PlusFont font;
    ASSERT_TRUE(font.Create("WenQuanYi Micro Hei", 15.0f, FontStyleBold, UnitPixel));
    EXPECT_EQ(font.GetFontSize(), 15.0f);
    EXPECT_EQ(font.GetFontStyle(), FontStyleBold);
    EXPECT_EQ(font.GetFontUnit(), UnitPixel);
    PlusFontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    // The name may come localised; either way it names the same family.
    Text name = family.GetFamilyName();
    ByteArray wide = family.GetFamilyNameUtf16();
    EXPECT_EQ(wide.size(), 64u);
    EXPECT_EQ(ToAnsiText(wide), name);
    PlusFont again;
    ASSERT_TRUE(again.Create(name, 10.0f)) << name;
    EXPECT_TRUE(family.IsStyleAvailable(FontStyleRegular));
    EXPECT_GT(family.GetEmHeight(FontStyleRegular), 0);
    EXPECT_TRUE(family.DeleteFontFamily());
    EXPECT_FALSE(family.DeleteFontFamily());
}

TEST(Font, FromGdiFontAndFromDefaultGuiFont) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    UniqueFont gdi(CreateFontA(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                               "WenQuanYi Micro Hei"));
    ASSERT_TRUE(gdi);
    PlusFont font;
    ASSERT_TRUE(font.CreateFromHFONT(dc.Get(), gdi.Get()));
    EXPECT_NEAR(font.GetFontSize(), 20.0f, 1.5f);
    testing::Canvas canvas(2, 2);
    LOGFONTA logfont{};
    EXPECT_TRUE(font.GetLogFontA(canvas.graphics, logfont));
    EXPECT_NEAR(logfont.lfHeight, -20, 1.5);
    // Without a font handle: the font selected into the DC.
    PlusFont fromDc;
    SelectGuard select(dc.Get(), gdi.Get());
    ASSERT_TRUE(fromDc.CreateFromHFONT(dc.Get(), nullptr));
    EXPECT_NEAR(fromDc.GetFontSize(), 20.0f, 1.5f);
    PlusFont gui;
    EXPECT_TRUE(gui.CreateFromDefaultGuiFont());
    EXPECT_GT(gui.GetFontSize(), 0.0f);
}

TEST(Font, FamilyListOfTheEmptyCollection) {
    // The empty collection lists nothing, but the caller still gets `count`
    // empty wrappers rather than a short array.
    PlusFontCollection none;
    std::vector<PlusFontFamily> families;
    EXPECT_EQ(none.GetFamilyList(3, families), 0);
    ASSERT_EQ(families.size(), 3u);
    EXPECT_TRUE(families[0].IsEmpty() && families[2].IsEmpty());
}

}  // namespace
}  // namespace qinglan::gdiplus

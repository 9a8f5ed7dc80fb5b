#include <gtest/gtest.h>

#include "app/startup.h"
#include "skin/skin_settings.h"

namespace qinglan::app {
namespace {

// Built twice: with the program's resources, and without them.
#ifdef QL_TEST_WITH_RESOURCES
constexpr bool kHasIcon = true;
#else
constexpr bool kHasIcon = false;
#endif

TEST(SkinModuleStart, LoadsTheIconWhenTheResourcesHaveItAndStartsEitherWay) {
    skin::ControlVeilAlpha = 0;
    skin::ThemeColour = 0;
    InitialiseSkinModule();
    EXPECT_EQ(skin::AppIcon != nullptr, kHasIcon);
    EXPECT_NE(skin::GdiplusToken, 0u);
    EXPECT_EQ(skin::FirstSizePending, 1);
    EXPECT_EQ(skin::ControlSkinEnabled, 1);
    EXPECT_EQ(skin::ControlVeilAlpha, 160);
    EXPECT_EQ(skin::ThemeColour, 0x00DDCA22u);
    EXPECT_EQ(skin::TrackBarFrameEnabled, 1);
}

}  // namespace
}  // namespace qinglan::app

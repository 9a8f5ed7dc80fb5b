// Images and bitmaps: bytes in and out, drawing, pixels, rotation.
#include <gtest/gtest.h>

#include "runtime/handle.h"
#include "tests/gdiplus/canvas.h"

namespace qinglan::gdiplus {
namespace {

using testing::Canvas;
using testing::kTinyPng;

constexpr ARGB kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

TEST(Image, PngBytesLoadDrawAndDispose) {
    PlusImage image;
    ASSERT_TRUE(image.LoadFromBytes(kTinyPng));
    EXPECT_EQ(image.GetImageWidth(), 3u);
    EXPECT_EQ(image.GetImageHeight(), 2u);
    EXPECT_EQ(image.GetImageRawFormat(), kPngFormat);
    Canvas canvas(30, 20);
    ASSERT_TRUE(canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor));
    ASSERT_TRUE(canvas.graphics.SetPixelOffsetMode(PixelOffsetModeHalf));
    ASSERT_TRUE(canvas.graphics.DrawImageRectRect(image, 0.0f, 0.0f, 30.0f, 20.0f));
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(canvas.At(15, 5), kGreen);
    EXPECT_EQ(canvas.At(25, 5), kBlue);
    EXPECT_EQ(canvas.At(5, 15), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.At(25, 15), 0xFF000000u);  // transparent: the black beneath shows
    EXPECT_TRUE(image.DisposeImage());
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.DisposeImage());
    EXPECT_EQ(image.GetImageWidth(), 0u);
}

TEST(Image, LoadingAgainIntoOneWrapperReplacesImageAndStream) {
    long handles = LiveHandleCount();
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(kTinyPng));
    EXPECT_EQ(LiveHandleCount(), handles + 1);  // the stream's memory block
    ASSERT_TRUE(bitmap.DisposeImage());
    EXPECT_EQ(LiveHandleCount(), handles);
    ASSERT_TRUE(bitmap.LoadFromBytes(kTinyPng));
    ASSERT_TRUE(bitmap.LoadFromBytes(kTinyPng));  // without a dispose in between
    EXPECT_EQ(LiveHandleCount(), handles + 1);
    EXPECT_EQ(bitmap.GetPixel(1, 0), kGreen);
    EXPECT_FALSE(bitmap.LoadFromBytes({}));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(Image, SaveToBytesGivesAPngThatLoadsBackAtTheSameSize) {
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromScan0(7, 5));
    ASSERT_TRUE(bitmap.SetPixel(3, 2, kBlue));
    ByteArray png = bitmap.SaveToBytes(kPngFormat);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(ByteArray(png.begin(), png.begin() + 8), ByteArray(kTinyPng.begin(), kTinyPng.begin() + 8));
    PlusBitmap back;
    ASSERT_TRUE(back.LoadFromBytes(png));
    EXPECT_EQ(back.GetImageWidth(), 7u);
    EXPECT_EQ(back.GetImageHeight(), 5u);
    EXPECT_EQ(back.GetPixel(3, 2), kBlue);
    // Saved in the image's own format when none is named.
    EXPECT_GT(back.SaveToBytes().size(), 8u);
}

TEST(Image, FormatWithoutEncoderGivesEmptyBytes) {
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromScan0(4, 4));
    const Text lowerCasePng = "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}";
    EXPECT_TRUE(bitmap.SaveToBytes("{00000000-1111-2222-3333-444444444444}").empty());
    EXPECT_NE(LastStatus(), Ok);
    EXPECT_TRUE(bitmap.SaveToBytes(lowerCasePng).empty());
    EXPECT_EQ(FindEncoderByFormat(lowerCasePng), "");
    EXPECT_FALSE(FindEncoderByFormat(kPngFormat).empty());
    EXPECT_FALSE(FindEncoderByFormat(kBmpFormat).empty());
}

TEST(Image, EncoderParametersWithTooFewValueBytesAreRefused) {
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromScan0(4, 4));
    const EncoderParameterList tooShort = {
        {"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, EncoderParameterValueTypeLong, {75}}};
    long calls = flat::callCount;
    EXPECT_TRUE(bitmap.SaveToBytes("{557CF401-1A04-11D3-9A73-0000F81EF32E}", &tooShort).empty());
    EXPECT_EQ(LastStatus(), InvalidParameter);
    EXPECT_LE(flat::callCount - calls, 3);  // the encoder lookup only, no save
}

TEST(Bitmap, RotatedSizeOfTheCornerPixelCentres) {
    struct Case {
        INT angle;
        REAL width, height;
    } cases[] = {{0, 100, 50}, {90, 50, 100}, {180, 100, 50}};
    for (const Case& c : cases) {
        REAL w = 0, h = 0;
        PlusBitmap::RotatedSize(101, 51, c.angle, w, h);
        EXPECT_NEAR(w, c.width, 1e-3) << c.angle;
        EXPECT_NEAR(h, c.height, 1e-3) << c.angle;
    }
}

TEST(Bitmap, RotateIntoByNinetyMovesABlockClockwise) {
    // A blue 20 x 10 bitmap with a red block at x 2..5, y 1..3.
    PlusBitmap source;
    ASSERT_TRUE(source.CreateFromScan0(20, 10));
    {
        PlusGraphics graphics;
        ASSERT_TRUE(graphics.GetImageGraphicsContext(source));
        PlusSolidBrush blue, red;
        ASSERT_TRUE(blue.CreateSolidFill(kBlue) && red.CreateSolidFill(kRed));
        ASSERT_TRUE(graphics.FillRectangle(blue, 0.0f, 0.0f, 20.0f, 10.0f));
        ASSERT_TRUE(graphics.FillRectangle(red, 2.0f, 1.0f, 4.0f, 3.0f));
    }
    PlusBitmap rotated;
    ASSERT_TRUE(rotated.CreateFromScan0(1, 1));  // held before: replaced
    ASSERT_TRUE(source.RotateInto(90.0f, rotated, 0xFF000000, InterpolationModeNearestNeighbor, SizeF(10, 20)));
    EXPECT_EQ(rotated.GetImageWidth(), 10u);
    EXPECT_EQ(rotated.GetImageHeight(), 20u);
    // Clockwise, (x, y) goes to (10 - y, x): the block lies at x 6..8, y 2..5.
    EXPECT_EQ(rotated.GetPixel(7, 3), kRed);
    EXPECT_EQ(rotated.GetPixel(7, 10), kBlue);
    EXPECT_EQ(rotated.GetPixel(2, 15), kBlue);  // where a counter-clockwise turn would put it

    // Without a size the target is RotatedSize's, truncated.
    PlusBitmap sized;
    ASSERT_TRUE(source.RotateInto(90.0f, sized));
    EXPECT_EQ(sized.GetImageWidth(), 9u);
    EXPECT_EQ(sized.GetImageHeight(), 19u);
}

TEST(Bitmap, GdiBitmapIconAndLockedBits) {
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromScan0(4, 4));
    ASSERT_TRUE(bitmap.SetPixel(1, 2, kGreen));
    UniqueBitmap gdi(bitmap.GetHBITMAP(0));
    ASSERT_TRUE(gdi);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(gdi.Get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 4);

    UniqueIcon icon(bitmap.GetHICON());
    ASSERT_TRUE(icon);
    PlusBitmap fromIcon;
    ASSERT_TRUE(fromIcon.CreateFromHICON(icon.Get()));
    EXPECT_EQ(fromIcon.GetImageWidth(), 4u);
    EXPECT_EQ(fromIcon.GetPixel(1, 2), kGreen);

    BitmapData data{};
    ASSERT_TRUE(bitmap.LockBits(Rect(0, 0, 4, 4), ImageLockModeRead, PixelFormat32bppARGB, data));
    EXPECT_EQ(static_cast<const ARGB*>(data.Scan0)[2 * data.Stride / 4 + 1], kGreen);
    EXPECT_TRUE(bitmap.UnlockBits(data));

    PlusBitmap area;
    ASSERT_TRUE(bitmap.CloneAreaI(Rect(1, 2, 2, 2), PixelFormat32bppARGB, area));
    EXPECT_EQ(area.GetPixel(0, 0), kGreen);
}

TEST(Bitmap, FileRoundTripAndMissingFile) {
    char directory[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, directory), 0u);
    Text name = Text(directory) + "ql_gdiplus_test.png";
    PlusBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(kTinyPng));
    ASSERT_TRUE(bitmap.SaveToFile(name, kPngFormat));
    PlusBitmap fromFile;
    ASSERT_TRUE(fromFile.CreateFromFile(name));
    EXPECT_EQ(fromFile.GetPixel(2, 0), kBlue);
    PlusImage image;
    ASSERT_TRUE(image.LoadFromFile(name));
    EXPECT_EQ(image.GetImageHeight(), 2u);
    fromFile.DisposeImage();
    image.DisposeImage();
    DeleteFileA(name.c_str());
    EXPECT_FALSE(image.LoadFromFile(name));
    EXPECT_TRUE(image.IsEmpty());
}

TEST(Image, PropertiesAndFrames) {
    PlusImage image;
    ASSERT_TRUE(image.LoadFromBytes(kTinyPng));
    std::vector<Text> dimensions;
    ASSERT_TRUE(image.GetFrameDimensionsList(dimensions));
    ASSERT_EQ(dimensions.size(), 1u);
    EXPECT_EQ(image.ImageGetFrameCount(dimensions[0]), 1u);
    std::vector<UINT> delays;
    EXPECT_FALSE(image.GetFrameDelays(delays));  // a still image has none
    EXPECT_TRUE(delays.empty());
    PlusImage clone;
    ASSERT_TRUE(image.CloneImage(clone));
    EXPECT_EQ(clone.GetImageWidth(), 3u);
}

}  // namespace
}  // namespace qinglan::gdiplus

// Time of composing a 748 x 665 ARGB frame through the wrappers against the
// same flat calls made directly, in one run, interleaved; prints both medians
// and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gdiplus/plus.h"

using namespace qinglan;
using namespace qinglan::gdiplus;

namespace {

constexpr INT kWidth = 748, kHeight = 665;
constexpr char kJpegFormat[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
const Text kCaption = "\xBF\xAA\xBD\xB1\xCA\xFD\xBE\xDD 2026";  // 开奖数据

// A 465 x 250 JPEG with some structure in it, made once.
ByteArray MakeJpeg() {
    PlusBitmap bitmap;
    bitmap.CreateFromScan0(465, 250);
    PlusGraphics graphics;
    graphics.GetImageGraphicsContext(bitmap);
    PlusLinearBrush brush;
    brush.CreateLineBrush(PointF(0, 0), PointF(465, 250), 0xFF2266AA, 0xFFEECC22);
    graphics.FillRectangle(brush, 0.0f, 0.0f, 465.0f, 250.0f);
    return bitmap.SaveToBytes(kJpegFormat);
}

void ComposeWrapped(const PlusImage& picture) {
    PlusBitmap surface;
    surface.CreateFromScan0(kWidth, kHeight);
    PlusGraphics graphics;
    graphics.GetImageGraphicsContext(surface);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.GraphicsClear(0xFF202020);
    PlusPath path;
    path.CreatePath();
    path.AddRoundedRectangle(10.0f, 10.0f, kWidth - 20.0f, kHeight - 20.0f, 6);
    PlusSolidBrush fill;
    fill.CreateSolidFill(0xA022CADD);
    graphics.FillPath(fill, path);
    graphics.DrawImageRectRect(picture, 0.0f, 0.0f, REAL(kWidth), REAL(kHeight));
    PlusPen pen;
    pen.CreatePen1(0xFFFFFFFF, 1.0f, UnitPixel);
    graphics.DrawPath(pen, path);
    graphics.DrawRectangle(pen, 0.0f, 0.0f, kWidth - 1.0f, kHeight - 1.0f);
    PlusFont font;
    font.Create("WenQuanYi Micro Hei", 14.0f, FontStyleRegular, UnitPixel);
    PlusStringFormat format;
    format.CreateStringFormat();
    PlusSolidBrush text;
    text.CreateSolidFill(0xFFFFFFFF);
    graphics.DrawString(kCaption, font, text, RectF(12, 6, 400, 24), format);
}

// The same calls, bound once and made without the layer.
struct Flat {
#define QL_BENCH_FLAT(name) decltype(&DllExports::name) name = Bind<decltype(DllExports::name)>(#name);
    QL_BENCH_FLAT(GdipCreateBitmapFromScan0)
    QL_BENCH_FLAT(GdipGetImageGraphicsContext)
    QL_BENCH_FLAT(GdipSetSmoothingMode)
    QL_BENCH_FLAT(GdipGraphicsClear)
    QL_BENCH_FLAT(GdipCreatePath)
    QL_BENCH_FLAT(GdipAddPathArc)
    QL_BENCH_FLAT(GdipClosePathFigure)
    QL_BENCH_FLAT(GdipCreateSolidFill)
    QL_BENCH_FLAT(GdipFillPath)
    QL_BENCH_FLAT(GdipGetImageWidth)
    QL_BENCH_FLAT(GdipGetImageHeight)
    QL_BENCH_FLAT(GdipDrawImageRectRect)
    QL_BENCH_FLAT(GdipCreatePen1)
    QL_BENCH_FLAT(GdipDrawPath)
    QL_BENCH_FLAT(GdipDrawRectangle)
    QL_BENCH_FLAT(GdipCreateFontFamilyFromName)
    QL_BENCH_FLAT(GdipCreateFont)
    QL_BENCH_FLAT(GdipDeleteFontFamily)
    QL_BENCH_FLAT(GdipCreateStringFormat)
    QL_BENCH_FLAT(GdipDrawString)
    QL_BENCH_FLAT(GdipDeleteStringFormat)
    QL_BENCH_FLAT(GdipDeleteFont)
    QL_BENCH_FLAT(GdipDeletePen)
    QL_BENCH_FLAT(GdipDeleteBrush)
    QL_BENCH_FLAT(GdipDeletePath)
    QL_BENCH_FLAT(GdipDeleteGraphics)
    QL_BENCH_FLAT(GdipDisposeImage)
#undef QL_BENCH_FLAT
};

void ComposeFlat(const Flat& f, GpImage* picture) {
    GpBitmap* surface = nullptr;
    f.GdipCreateBitmapFromScan0(kWidth, kHeight, 0, PixelFormat32bppARGB, nullptr, &surface);
    GpGraphics* graphics = nullptr;
    f.GdipGetImageGraphicsContext(surface, &graphics);
    f.GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
    f.GdipGraphicsClear(graphics, 0xFF202020);
    GpPath* path = nullptr;
    f.GdipCreatePath(FillModeAlternate, &path);
    REAL x = 10, y = 10, w = kWidth - 20.0f, h = kHeight - 20.0f;
    REAL cw = REAL(INT(w * 6 / 100)), ch = REAL(INT(h * 6 / 100));
    f.GdipAddPathArc(path, x + w - cw, y, cw, ch, 270, 90);
    f.GdipAddPathArc(path, x + w - cw, y + h - ch, cw, ch, 0, 90);
    f.GdipAddPathArc(path, x, y + h - ch, cw, ch, 90, 90);
    f.GdipAddPathArc(path, x, y, cw, ch, 180, 90);
    f.GdipClosePathFigure(path);
    GpSolidFill* fill = nullptr;
    f.GdipCreateSolidFill(0xA022CADD, &fill);
    f.GdipFillPath(graphics, fill, path);
    UINT iw = 0, ih = 0;
    f.GdipGetImageWidth(picture, &iw);
    f.GdipGetImageHeight(picture, &ih);
    f.GdipDrawImageRectRect(graphics, picture, 0, 0, REAL(kWidth), REAL(kHeight), 0, 0, REAL(iw), REAL(ih), UnitPixel,
                            nullptr, nullptr, nullptr);
    GpPen* pen = nullptr;
    f.GdipCreatePen1(0xFFFFFFFF, 1.0f, UnitPixel, &pen);
    f.GdipDrawPath(graphics, pen, path);
    f.GdipDrawRectangle(graphics, pen, 0, 0, kWidth - 1.0f, kHeight - 1.0f);
    GpFontFamily* family = nullptr;
    f.GdipCreateFontFamilyFromName(L"WenQuanYi Micro Hei", nullptr, &family);
    GpFont* font = nullptr;
    f.GdipCreateFont(family, 14.0f, FontStyleRegular, UnitPixel, &font);
    f.GdipDeleteFontFamily(family);
    GpStringFormat* format = nullptr;
    f.GdipCreateStringFormat(0, 0, &format);
    GpSolidFill* text = nullptr;
    f.GdipCreateSolidFill(0xFFFFFFFF, &text);
    int units = MultiByteToWideChar(CP_ACP, 0, kCaption.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> caption(units);
    MultiByteToWideChar(CP_ACP, 0, kCaption.c_str(), -1, caption.data(), units);
    RectF layout(12, 6, 400, 24);
    f.GdipDrawString(graphics, caption.data(), lstrlenW(caption.data()), font, &layout, format, text);
    f.GdipDeleteBrush(text);
    f.GdipDeleteStringFormat(format);
    f.GdipDeleteFont(font);
    f.GdipDeletePen(pen);
    f.GdipDeleteBrush(fill);
    f.GdipDeletePath(path);
    f.GdipDeleteGraphics(graphics);
    f.GdipDisposeImage(surface);
}

template <class F>
double Milliseconds(F&& compose) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    compose();
    QueryPerformanceCounter(&end);
    return 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    auto startup = Bind<decltype(GdiplusStartup)>("GdiplusStartup");
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (!startup || startup(&token, &input, nullptr) != Ok) {
        std::printf("GDI+ did not start\n");
        return 1;
    }
    int result = 0;
    {
        ByteArray jpeg = MakeJpeg();
        PlusImage picture;
        Flat flat;
        if (jpeg.empty() || !picture.LoadFromBytes(jpeg) || !flat.GdipDrawString) {
            std::printf("no JPEG picture or flat functions\n");
            result = 1;
        } else {
            auto* native = static_cast<GpImage*>(picture.GetNative());
            std::vector<double> wrapped, direct;
            for (int i = 0; i < 5; ++i) ComposeWrapped(picture), ComposeFlat(flat, native);
            for (int i = 0; i < rounds; ++i) {
                // Alternate which goes first so drift affects both alike.
                if (i % 2) direct.push_back(Milliseconds([&] { ComposeFlat(flat, native); }));
                wrapped.push_back(Milliseconds([&] { ComposeWrapped(picture); }));
                if (!(i % 2)) direct.push_back(Milliseconds([&] { ComposeFlat(flat, native); }));
            }
            double w = Median(wrapped), d = Median(direct);
            std::printf("frame %dx%d, JPEG 465x250, %d rounds\n", kWidth, kHeight, rounds);
            std::printf("wrappers  median %.3f ms\nflat API  median %.3f ms\nratio     %.4f (%+.2f%%)\n", w, d, w / d,
                        (w / d - 1) * 100);
        }
    }
    if (auto shutdown = Bind<decltype(GdiplusShutdown)>("GdiplusShutdown")) shutdown(token);
    return result;
}

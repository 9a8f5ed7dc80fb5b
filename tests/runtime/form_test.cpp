#include "runtime/form.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <thread>

#include "runtime/controls.h"
#include "runtime/messages.h"

namespace qinglan::runtime {
namespace {

constexpr ColumnDescription kColumns[] = {{"", 0, LVCFMT_LEFT}, {"期号", 100, LVCFMT_CENTER}, {"奖号", 70, LVCFMT_CENTER}};
const ControlDescription kControls[] = {
    {.name = "标签", .kind = ControlKind::TransparentLabel, .left = 10, .top = 10, .width = 80, .height = 30,
     .text = "", .font = {.face = nullptr, .height = 24, .bold = true, .charset = GB2312_CHARSET},
     .textColour = RGB(0, 0, 255)},
    {.name = "钟", .kind = ControlKind::Timer, .timerIntervalMs = 10},
    {.name = "单选", .kind = ControlKind::RadioButton, .left = 100, .top = 10, .width = 60, .height = 20, .text = "甲"},
    {.name = "框", .kind = ControlKind::GroupBox, .left = 100, .top = 100, .width = 90, .height = 50, .text = ""},
    {.name = "框中标签", .kind = ControlKind::TransparentLabel, .parent = "框", .left = 5, .top = 12, .width = 80,
     .height = 30, .text = "", .font = {.face = nullptr, .height = 24, .bold = true, .charset = GB2312_CHARSET},
     .textColour = RGB(255, 0, 0)},
    {.name = "列表", .kind = ControlKind::ListView, .left = 10, .top = 50, .width = 80, .height = 100,
     .columns = kColumns},
};
const FormDescription kForm = {.title = "运行层测试", .left = 0, .top = 0, .width = 200, .height = 160,
                               .border = false, .escapeCloses = true, .controls = kControls};

std::atomic<int> ticks{0}, clicks{0};
ControlId lastSender;
void Tick() { ++ticks; }
void Clicked() {
    ++clicks;
    lastSender = EventSender();
}

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Initialise());
        ClearStopRequest();  // a window closed by an earlier test stopped the program
        form_ = std::make_unique<Form>(kForm);
        form_->OnTimer("钟", Tick);
        form_->OnClicked("单选", Clicked);
        ASSERT_TRUE(form_->Create());
    }
    std::unique_ptr<Form> form_;
};

TEST_F(FormTest, TimerRaisesItsPeriodicEvent) {
    ticks = 0;
    DelayDispatching(200);
    EXPECT_GT(ticks.load(), 0);
}

TEST_F(FormTest, CopiesShareTheClickHandlerAndReportThemselvesAsSender) {
    const ControlId original = form_->Id("单选");
    const ControlId copy = form_->Copy(original);
    EXPECT_NE(copy, original);
    EXPECT_FALSE(ControlVisible(copy)) << "a copy starts hidden";
    EXPECT_EQ(ControlText(copy), "甲");
    EXPECT_EQ(ControlTop(copy), ControlTop(original));
    SetControlVisible(copy, true);
    clicks = 0;
    SendMessageA(WindowOf(copy), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks.load(), 1);
    EXPECT_EQ(lastSender, copy);
    SendMessageA(WindowOf(original), BM_CLICK, 0, 0);
    EXPECT_EQ(lastSender, original);
    EXPECT_TRUE(EventSender().IsNull()) << "no sender outside an event";
}

TEST_F(FormTest, ListViewRowsFromAWorkerThreadLandOnTheWindowsThread) {
    const ControlId list = form_->Id("列表");
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            int row = AppendRow(list);
            SetCellText(list, row, 1, "26121" + std::to_string(i));
            SetCellText(list, row, 2, "1 2 3");
        }
        done = true;
    });
    while (!done) DelayDispatching(10);  // the worker's calls run here
    worker.join();
    EXPECT_EQ(RowCount(list), 3);
    EXPECT_EQ(CellText(list, 2, 1), "261212");
    EXPECT_EQ(CellText(list, 0, 2), "1 2 3");
    EXPECT_EQ(CellText(list, 3, 1), "") << "past the last row";
    const Text longText(5000, 'x');
    SetCellText(list, 1, 2, longText);
    EXPECT_EQ(CellText(list, 1, 2), longText);
}

// Colour of the form's client pixel (x, y) once pending paints are done.
COLORREF FormPixel(HWND form, int x, int y) {
    DelayDispatching(30);
    HDC dc = GetDC(form);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(form, dc);
    return colour;
}

bool AnyPixelOf(HWND form, RECT area, COLORREF colour) {
    DelayDispatching(30);
    HDC dc = GetDC(form);
    bool found = false;
    for (int x = area.left; x < area.right && !found; ++x)
        for (int y = area.top; y < area.bottom && !found; ++y) found = GetPixel(dc, x, y) == colour;
    ReleaseDC(form, dc);
    return found;
}

// A label on the window and one inside a group box (whose interior the group
// box does not paint): each shows its text in its colour, and a new text
// leaves no trace of the old one.
TEST_F(FormTest, TransparentLabelsPaintOnlyTheirTextAndEraseTheOldOne) {
    struct Case {
        const char* name;
        RECT area;  // the label's place in form coordinates
        COLORREF ink;
    } cases[] = {{"标签", {10, 10, 90, 40}, RGB(0, 0, 255)}, {"框中标签", {105, 112, 185, 142}, RGB(255, 0, 0)}};
    HWND form = form_->Handle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlId label = form_->Id(c.name);
        SetControlText(label, "");
        const COLORREF face = FormPixel(form, c.area.left + 2, c.area.top + 2);
        SetControlText(label, "\xA8\x80\xA8\x80\xA8\x80");  // full blocks: solid ink
        EXPECT_TRUE(AnyPixelOf(form, c.area, c.ink)) << "the text is drawn in its colour";
        EXPECT_EQ(FormPixel(form, c.area.right - 2, c.area.bottom - 2), face) << "the parent shows around the text";
        SetControlText(label, "");
        EXPECT_FALSE(AnyPixelOf(form, c.area, c.ink)) << "the old text is erased";
    }
}

// Escape on any control closes the form, whether the message loop or a long
// piece of work dispatching its messages (as a network call on the window's
// thread does) takes the key.
TEST_F(FormTest, EscapeClosesTheWindowFromEveryDispatchingPoint) {
    struct Case {
        const char* where;
        void (*dispatch)();
    } cases[] = {
        {"message loop", [] { EXPECT_EQ(RunMessageLoop(), 0); }},
        {"dispatching inside work", [] { EXPECT_FALSE(DelayDispatching(10000)) << "a stopping program does not wait"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        if (!form_) SetUp();
        PostMessageA(WindowOf(form_->Id("单选")), WM_KEYDOWN, VK_ESCAPE, 0);
        c.dispatch();
        EXPECT_EQ(form_->Handle(), nullptr);
        EXPECT_TRUE(StopRequested());
        form_.reset();
        MSG quit;  // the closed form's quit message stays queued; the next case needs none
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
}

}  // namespace
}  // namespace qinglan::runtime

// GDI+ start-up for the whole test program (the application does its own).
#include <gtest/gtest.h>

#include "gdiplus/flat.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        auto startup = qinglan::gdiplus::Bind<decltype(Gdiplus::GdiplusStartup)>("GdiplusStartup");
        ASSERT_NE(startup, nullptr);
        Gdiplus::GdiplusStartupInput input;  // version 1
        ASSERT_EQ(startup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override {
        if (auto shutdown = qinglan::gdiplus::Bind<decltype(Gdiplus::GdiplusShutdown)>("GdiplusShutdown"))
            shutdown(token_);
    }

private:
    ULONG_PTR token_ = 0;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

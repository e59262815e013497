#include "driver/driver_progress_dialog_win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "shared/window_placement_win32.h"
#include "busy/owner_window.h"
#include "res/resource.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace shared {
namespace {

using driver::DriverProgressDialog;

class DriverProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner); }
    win::UniqueWindow owner = MakeOwner(140, 110);
};

TEST_F(DriverProgressDialogTest, CreatesItsWindowWithTheCaptionCentredOnThePoint) {
    const Point centre = CentreOf(ScreenRectOf(owner.get()));
    DriverProgressDialog dialog(owner.get());
    dialog.caption = "安装驱动...";
    dialog.centre = centre;
    ::InvalidateRect(owner.get(), nullptr, TRUE);
    ASSERT_TRUE(dialog.CreateWindowPart());
    EXPECT_FALSE(::GetUpdateRect(owner.get(), nullptr, FALSE)) << "the owner is painted before the driver run";

    HWND window = dialog.Handle();
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    EXPECT_EQ(win::ToUtf8(caption), "安装驱动...");
    EXPECT_EQ(::GetWindow(window, GW_OWNER), owner.get());
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
    const Rect rect = ScreenRectOf(window);
    EXPECT_EQ(rect.left, centre.x - (rect.right - rect.left) / 2);
    EXPECT_EQ(rect.top, centre.y - (rect.bottom - rect.top) / 2);
    ASSERT_NE(dialog.Item(IDC_DRIVER_PROGRESS), nullptr);

    dialog.DestroyWindowPart();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(DriverProgressDialogTest, MovesTheBarAndTicksItsPacing) {
    DriverProgressDialog dialog(owner.get());
    int ticks = 0;
    dialog.SetPacing(22, [&] { ++ticks; });
    ASSERT_TRUE(dialog.CreateWindowPart());

    dialog.SetProgressRange(0, 100);
    PBRANGE range{};
    ::SendMessageW(dialog.Item(IDC_DRIVER_PROGRESS), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(dialog.ProgressPosition(), 0);
    dialog.SetProgressPosition(45);
    EXPECT_EQ(dialog.ProgressPosition(), 45);

    EXPECT_EQ(dialog.StepCount(), 22u);
    dialog.OnTick();
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace shared

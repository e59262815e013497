#include "shared/busy_dialog_win32.h"

#include <gtest/gtest.h>

#include "shared/window_placement_win32.h"
#include "busy/owner_window.h"
#include "res/resource.h"
#include "support/window_text.h"
#include "win/file_win32.h"
#include "win/unique_resource_win32.h"

namespace shared {
namespace {

using testing_support::WindowText;

// What the task saw of the busy window while it ran.
struct Seen {
    int calls = 0;
    HWND owner = nullptr;
    HWND window = nullptr;
    HWND windowOwner = nullptr;
    bool visible = false;
    bool paintPending = true;
    bool ownerPaintPending = true;
    bool titleBar = false;
    std::string caption;
    Rect rect;
};

// Part of the window or of one of its children still waits for a paint message.
bool PaintPending(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

void Watch(BusyDialog& dialog, Seen& seen) {
    dialog.SetTask([&dialog, &seen](HWND owner) {
        ++seen.calls;
        seen.owner = owner;
        seen.window = dialog.Handle();
        seen.windowOwner = ::GetWindow(seen.window, GW_OWNER);
        seen.visible = ::IsWindowVisible(seen.window) != FALSE;
        seen.paintPending = PaintPending(seen.window);
        seen.ownerPaintPending = PaintPending(owner);
        seen.titleBar = (::GetWindowLongW(seen.window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        seen.caption = WindowText(seen.window);
        seen.rect = ScreenRectOf(seen.window);
    });
}

Rect TemplateRect(HWND owner) {
    win::Dialog reference(IDD_BUSY, owner);
    reference.CreateModeless();
    return ScreenRectOf(reference.Handle());
}

TEST(BusyDialog, RunsItsTaskOnceUnderItsPaintedWindowCentredOnTheOwner) {
    win::UniqueWindow owner = MakeOwner();
    ASSERT_TRUE(owner);
    // As a closed path dialog leaves the main window and its controls.
    HWND child = ::CreateWindowExW(0, L"BUTTON", L"Install", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, owner.get(),
                                   nullptr, nullptr, nullptr);
    ::InvalidateRect(owner.get(), nullptr, TRUE);
    ::InvalidateRect(child, nullptr, TRUE);
    ASSERT_TRUE(PaintPending(owner.get()));
    const Point centre = CentreOf(ScreenRectOf(owner.get()));
    const Rect size = TemplateRect(owner.get());
    Seen seen;
    BusyDialog dialog(owner.get());
    dialog.caption = "安装中";
    dialog.centre = centre;
    Watch(dialog, seen);

    dialog.Run();

    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.owner, owner.get());
    ASSERT_NE(seen.window, nullptr);
    EXPECT_EQ(seen.windowOwner, owner.get());
    EXPECT_TRUE(seen.visible);
    EXPECT_FALSE(seen.paintPending) << "no messages are dispatched while the task runs";
    EXPECT_FALSE(seen.ownerPaintPending) << "the main window would keep the hole a closed dialog left";
    EXPECT_EQ(seen.caption, "安装中");
    const int width = size.right - size.left;
    const int height = size.bottom - size.top;
    EXPECT_EQ(seen.rect.right - seen.rect.left, width);
    EXPECT_EQ(seen.rect.bottom - seen.rect.top, height);
    EXPECT_EQ(seen.rect.left, centre.x - width / 2);
    EXPECT_EQ(seen.rect.top, centre.y - height / 2);
    EXPECT_FALSE(::IsWindow(seen.window));
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(BusyDialog, CentreOfZeroKeepsTheTemplatePositionAndOneZeroCoordinateDoesNot) {
    win::UniqueWindow owner = MakeOwner();
    ASSERT_TRUE(owner);
    const Rect templateRect = TemplateRect(owner.get());
    {
        Seen seen;
        BusyDialog dialog(owner.get());
        Watch(dialog, seen);
        dialog.Run();
        EXPECT_EQ(seen.rect.left, templateRect.left);
        EXPECT_EQ(seen.rect.top, templateRect.top);
        EXPECT_EQ(seen.caption, "");
        EXPECT_TRUE(seen.titleBar);
    }
    {
        Seen seen;
        BusyDialog dialog(owner.get());
        dialog.centre = {0, 300};
        Watch(dialog, seen);
        dialog.Run();
        const int width = templateRect.right - templateRect.left;
        EXPECT_EQ(seen.rect.left, -(width / 2));
        EXPECT_EQ(seen.rect.top, 300 - (templateRect.bottom - templateRect.top) / 2);
    }
}

TEST(BusyDialog, AFileErrorFromTheTaskLeavesNoWindowOnceTheDialogIsGone) {
    win::UniqueWindow owner = MakeOwner();
    HWND window = nullptr;
    {
        BusyDialog dialog(owner.get());
        dialog.SetTask([&](HWND) {
            window = dialog.Handle();
            throw win::FileError("read", "C:\\Setup.exe", ERROR_READ_FAULT);
        });
        EXPECT_THROW(dialog.Run(), win::FileError);
        ASSERT_NE(window, nullptr);
    }
    EXPECT_FALSE(::IsWindow(window));
}

TEST(BusyDialog, RunsTheTaskEvenWhenItsWindowCannotBeCreated) {
    HWND gone = MakeOwner().get();  // destroyed at once: no window can have it as parent
    Seen seen;
    BusyDialog dialog(gone);
    Watch(dialog, seen);
    dialog.Run();
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.owner, gone);
    EXPECT_EQ(seen.window, nullptr);
}

TEST(CentreWindowOn, KeepsAnOddSizeAndPutsTheExtraPixelRightAndBelow) {
    win::UniqueWindow window = MakeWindow(WS_POPUP, 50, 60, 331, 61);
    ASSERT_TRUE(window);
    CentreWindowOn(window.get(), {500, 401});
    const Rect rect = ScreenRectOf(window.get());
    EXPECT_EQ(rect.left, 335);
    EXPECT_EQ(rect.top, 371);
    EXPECT_EQ(rect.right, 666);
    EXPECT_EQ(rect.bottom, 432);
}

}  // namespace
}  // namespace shared

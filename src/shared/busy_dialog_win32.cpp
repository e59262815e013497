#include "shared/busy_dialog_win32.h"

#include "res/resource.h"
#include "shared/window_placement_win32.h"
#include "win/text_win32.h"

namespace shared {

BusyDialog::BusyDialog(HWND owner) : win::Dialog(IDD_BUSY, owner), owner_(owner) {}

void BusyDialog::Run() {
    ShowWindowPart();
    if (task_) task_(owner_);
    DestroyWindowPart();
}

void BusyDialog::ShowWindowPart() {
    if (CreateModeless() != nullptr) {
        SetCaption(win::FromUtf8(caption));
        ::Sleep(10);
        CentreWindowOn(Handle(), centre);
    }
    PaintOwnerAndWindow(owner_, Handle());
}

void BusyDialog::DestroyWindowPart() {
    if (Handle() != nullptr) ::DestroyWindow(Handle());
}

}  // namespace shared

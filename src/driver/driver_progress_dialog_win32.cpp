#include "driver/driver_progress_dialog_win32.h"

#include <commctrl.h>

#include "shared/window_placement_win32.h"
#include "driver/driver_run_win32.h"
#include "res/resource.h"
#include "win/text_win32.h"

namespace driver {

DriverProgressDialog::DriverProgressDialog(HWND owner)
    : win::Dialog(IDD_DRIVER_PROGRESS, owner), owner_(owner) {}

void DriverProgressDialog::SetPacing(unsigned stepCount, Tick tick) {
    stepCount_ = stepCount;
    tick_ = std::move(tick);
}

void DriverProgressDialog::Run(const DriverEnvironment& environment) {
    CreateWindowPart();
    RunDriverInstall(*this, environment);
    DestroyWindowPart();
}

bool DriverProgressDialog::CreateWindowPart() {
    const bool created = CreateModeless() != nullptr;
    if (created) {
        SetCaption(win::FromUtf8(caption));
        shared::CentreWindowOn(Handle(), centre);
    }
    shared::PaintOwnerAndWindow(owner_, Handle());
    return created;
}

void DriverProgressDialog::DestroyWindowPart() {
    if (Handle() != nullptr) ::DestroyWindow(Handle());
}

void DriverProgressDialog::OnTick() const {
    if (tick_) tick_();
}

void DriverProgressDialog::SetProgressRange(int low, int high) const {
    ::SendMessageW(Item(IDC_DRIVER_PROGRESS), PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void DriverProgressDialog::SetProgressPosition(int position) const {
    HWND bar = Item(IDC_DRIVER_PROGRESS);
    // With visual styles a rise is animated on a timer, which never runs here, and a fall is drawn at once.
    PBRANGE range{};
    ::SendMessageW(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const bool full = position >= range.iHigh;
    if (full) ::SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh + 1);
    ::SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position + 1), 0);
    ::SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    if (full) ::SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh);
    ::UpdateWindow(bar);
}

int DriverProgressDialog::ProgressPosition() const {
    return static_cast<int>(::SendMessageW(Item(IDC_DRIVER_PROGRESS), PBM_GETPOS, 0, 0));
}

}  // namespace driver

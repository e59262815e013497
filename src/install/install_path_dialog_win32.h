#pragma once
// Asks where to install, whether to find the host application automatically,
// and which host version is targeted; OK makes the install request. The path
// is ANSI, as typed.
#include <windows.h>

#include <string>

#include "shared/install_request.h"
#include "win/dialog_win32.h"

namespace install {

class InstallPathDialog : public win::Dialog {
public:
    // The dialog's texts follow the language; its lists and states follow the type.
    InstallPathDialog(HWND owner, shared::InstallType type, shared::LanguageIndex language);

    // The request, completed when OK is pressed.
    const shared::InstallRequest& Request() const { return request_; }

protected:
    bool OnInitDialog() override;

private:
    void ApplyTexts();
    void FillVersionList();
    void ApplyStates();
    void EnablePathEntry(bool enabled) const;
    bool AutoChecked() const;
    void OnAutoClicked();
    void OnOk();
    void OnBrowse();

    shared::InstallRequest request_;
};

}  // namespace install

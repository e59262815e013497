#pragma once
// Asks where to install, whether to find the host application automatically,
// and which host version is targeted. The path is ANSI, as typed.
#include <windows.h>

#include <string>

#include "win/dialog_win32.h"

namespace install {

class InstallPathDialog : public win::Dialog {
public:
    explicit InstallPathDialog(HWND owner);

    void SetLanguageIndex(int index) { languageIndex_ = index; }
    void SetInstallType(int type) { installType_ = type; }

    // The answers, written when OK is pressed.
    const std::string& InstallPath() const { return installPath_; }
    int AutoFlag() const { return autoFlag_; }
    int VersionIndex() const { return versionIndex_; }

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

    int languageIndex_ = 0;
    int installType_ = 0;
    std::string installPath_;
    int autoFlag_ = 0;
    int versionIndex_ = -1;
};

}  // namespace install

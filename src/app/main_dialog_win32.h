#pragma once
// The program's only top-level window: what to install, in which language.
#include <windows.h>

#include <string>

#include "driver/driver_environment_win32.h"
#include "install/install_command_win32.h"
#include "res/resource.h"
#include "win/dialog_win32.h"

namespace app {

class MainDialog : public win::Dialog {
public:
    MainDialog();

    void SetProductName(const std::string& name) { productName_ = name; }
    void SetLanguageCode(int code) { languageCode_ = code; }

    // Values the Install command and the installers exchange.
    const std::string& ProductName() const { return productName_; }
    // The Language list's and the Type list's current rows, read afresh; -1 when none.
    int LanguageIndex() const { return SelectedRow(IDC_LANGUAGE_LIST); }
    int InstallType() const { return SelectedRow(IDC_TYPE_LIST); }
    std::string installPath;
    int autoFlag = 0;
    int versionIndex = -1;
    int resultFlag = 0;
    // Pacing of the driver progress display.
    int longestProgressPause = 350;
    int shortestProgressPause = 250;
    int progressStepCount = 22;
    // The step-count and tick callbacks of the driver progress window.
    unsigned GetProgressSteps() const;
    int ProgressPause() const;  // the result means nothing
    // Where installations read from and report to; tests replace the defaults.
    install::InstallEnvironment installEnvironment;
    driver::DriverEnvironment driverEnvironment;

protected:
    bool OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    int SelectedRow(int listId) const;
    void AddAboutItem();
    void ApplyTexts(bool chinese);
    void FillTypeList();
    void FillLanguageList();
    void OnLanguageChanged();
    void OnInstall();
    void OnUsbDriver();
    bool OnSysCommand(WPARAM command);
    bool PaintMinimised();

    std::string productName_ = "BeamDraft";
    int languageCode_ = 1;
    HICON icon_;
};

}  // namespace app

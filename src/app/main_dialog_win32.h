#pragma once
// The program's only top-level window: what to install, in which language.
// Its buttons start the commands; it keeps only its controls and what the
// next command starts from.
#include <windows.h>

#include <string>

#include "driver/driver_environment_win32.h"
#include "install/install_command_win32.h"
#include "res/resource.h"
#include "shared/language.h"
#include "win/dialog_win32.h"
#include "win/message_box_win32.h"

namespace app {

// Where the commands read from and report to. Empty fields take the
// production defaults (message boxes over the main window, this program's
// archive and folder, the system's facts); tests set their own.
struct CommandSeams {
    win::MessageSink showMessage;
    install::InstallContext install;
    driver::DriverEnvironment driver;
};

class MainDialog : public win::Dialog {
public:
    explicit MainDialog(CommandSeams seams = {});

    // Set before the window opens: the name of the Type list's first row and
    // the language the window starts in.
    void SetProductName(const std::string& name) { seams_.install.productName = name; }
    void SetLanguageCode(shared::LanguageCode code) { languageCode_ = code; }

    // The Language list's current row, read afresh; -1 when none.
    shared::LanguageIndex Language() const { return {SelectedRow(IDC_LANGUAGE_LIST)}; }

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
    bool PayloadIntact(const payload::ExtractSource& source, const win::MessageSink& show) const;
    bool OnSysCommand(WPARAM command);
    bool PaintMinimised();

    CommandSeams seams_;
    shared::LanguageCode languageCode_;
    HICON icon_;
};

}  // namespace app

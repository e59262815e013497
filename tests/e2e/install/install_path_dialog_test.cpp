// The install path dialog of the real Setup.exe, opened with Install from the
// main window: what it shows for each install type in both languages, Cancel,
// and the shell's folder-browse window behind Browse.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../../common/install_path_rows.h"
#include "guidriver/find.h"
#include "res/resource.h"
#include "support/pictures.h"
#include "support/setup_run.h"

namespace {

using guidriver::Duration;
using guidriver::Window;
using expected_rows::kCorelDrawExample;
using expected_rows::kCorelDrawVersions;
using expected_rows::kIllustratorExample;
using expected_rows::kIllustratorVersions;
using expected_rows::Rows;

constexpr Duration kTimeout(30000);
constexpr char kChineseCaption[] = "选择安装目录";
constexpr char kEnglishCaption[] = "Select install path";
constexpr char kBrowseTitle[] = "Select the install path";

// Controls of the shell's folder-browse window.
constexpr int kBrowseTree = 0x3741;
constexpr int kBrowseTitleText = 0x3742;
constexpr int kBrowseStatusText = 0x3743;


std::string Ini(const std::string& language) { return "[SetupCfg]\r\nLanguage=" + language + "\r\n"; }

bool SameFolder(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// `folder` is `target` or one of the folders above it.
bool LeadsTo(const std::string& folder, const std::string& target) {
    if (folder.empty() || folder.size() > target.size()) return false;
    std::string head = target.substr(0, folder.size());
    if (!SameFolder(head, folder)) return false;
    return folder.back() == '\\' || target.size() == folder.size() || target[folder.size()] == '\\';
}

// The shell's folder-browse window, found by its tree among the program's windows.
class BrowseWindow {
public:
    static BrowseWindow WaitFor(DWORD processId) {
        const auto found = guidriver::PollUntil(kTimeout, [&]() -> std::optional<Window> {
            for (const Window& window : guidriver::TopLevelWindows(processId)) {
                if (window.FindControl(kBrowseTree) && window.FindControl(kBrowseTitleText)) return window;
            }
            return std::nullopt;
        });
        if (!found) throw guidriver::DriverError("no folder-browse window");
        return BrowseWindow(*found);
    }

    const Window& Frame() const { return window_; }
    std::string Title() const { return window_.Control(kBrowseTitleText).Text(); }
    std::string Status() const { return window_.Control(kBrowseStatusText).Text(); }

    // Walks the tree as a user opens folders: each item is selected, and the
    // status line, which shows the selected folder's path, says where it leads.
    void Choose(const std::string& folder) const {
        const auto root = reinterpret_cast<HTREEITEM>(Tree(TVM_GETNEXTITEM, TVGN_ROOT, 0));
        if (!Descend(root, folder, 0)) {
            throw guidriver::DriverError("the folder tree does not lead to " + folder + "; last status: " + Status());
        }
    }
    void PressOk() const { window_.Control(IDOK).Click(); }
    void Cancel() const { window_.Control(IDCANCEL).Click(); }

private:
    explicit BrowseWindow(Window window) : window_(window) {}

    LRESULT Tree(UINT message, WPARAM wParam, LPARAM lParam) const {
        DWORD_PTR result = 0;
        if (!::SendMessageTimeoutW(window_.Control(kBrowseTree).Handle(), message, wParam, lParam, SMTO_NORMAL,
                                   10000, &result)) {
            throw guidriver::DriverError("the folder tree does not answer");
        }
        return static_cast<LRESULT>(result);
    }

    bool Descend(HTREEITEM item, const std::string& target, int depth) const {
        if (item == nullptr) return false;
        Tree(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        const std::string path = Status();
        if (!path.empty() && SameFolder(path, target)) return true;
        // The desktop at the top, and the shell's own folders below it (the
        // computer with its drives), have no path that leads anywhere.
        const bool leads = depth == 0 || (path.empty() && depth == 1) || LeadsTo(path, target);
        if (!leads) return false;
        Tree(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        for (auto child = reinterpret_cast<HTREEITEM>(Tree(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
             child != nullptr;
             child = reinterpret_cast<HTREEITEM>(Tree(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
            if (Descend(child, target, depth + 1)) return true;
        }
        return false;
    }

    Window window_;
};

class PathDialog : public ::testing::Test {
protected:
    Window Start(const std::string& setupExe = E2E_SETUP_EXE) {
        run_.emplace(setupExe, Ini("1"));
        main_ = run_->WaitForMainWindow();
        return main_;
    }
    DWORD ProcessId() { return run_->Process().Id(); }
    const std::string& ScratchFolder() const { return run_->Copy().Folder(); }

    // Picks the row in each list of the main window and presses Install.
    Window Open(int type, int languageRow) {
        main_.Control(IDC_TYPE_LIST).SelectRow(type);
        main_.Control(IDC_LANGUAGE_LIST).SelectRow(languageRow);
        main_.Control(IDC_INSTALL).Click();
        const Window dialog =
            guidriver::WaitForWindow(languageRow == 0 ? kChineseCaption : kEnglishCaption, ProcessId(), kTimeout);
        EXPECT_EQ(::GetWindow(dialog.Handle(), GW_OWNER), main_.Handle());
        return dialog;
    }

    // Cancel closes the dialog and ends the command: the main window is usable
    // again, answers, and is the program's only window.
    void CancelAndExpectNothingElse(const Window& dialog) {
        dialog.Control(IDCANCEL).Click();
        dialog.WaitUntilClosed(kTimeout);
        ASSERT_TRUE(guidriver::PollUntil(kTimeout, [&] { return ::IsWindowEnabled(main_.Handle()) != FALSE; }));
        main_.Control(IDC_TYPE_LIST).Text();
        const auto windows = guidriver::TopLevelWindows(ProcessId());
        ASSERT_EQ(windows.size(), 1u) << "a window other than the main window is open";
        EXPECT_EQ(windows[0].Handle(), main_.Handle());
    }

private:
    std::optional<e2e::SetupRun> run_;
    Window main_;
};

// ---- what the dialog shows for each install type, in both languages ----

struct TypeCase {
    std::string name;
    int type;
    int englishRow;  // a non-Chinese row of the Language list; each gives the English texts
    const Rows* versions;
    int selected;
    std::string example;
    bool versionListEnabled;
    bool autoEnabled;
    bool autoChecked;
};

void PrintTo(const TypeCase& type, std::ostream* out) { *out << type.name; }

class PathDialogType : public PathDialog, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(PathDialogType, ShowsTheTypesListAndStatesInBothLanguages) {
    const TypeCase& expected = GetParam();
    const bool illustrator = expected.versions == &kIllustratorVersions;
    Start();
    for (int languageRow : {0, expected.englishRow}) {
        SCOPED_TRACE("language row " + std::to_string(languageRow));
        const Window dialog = Open(expected.type, languageRow);
        const Rows texts = languageRow == 0
            ? Rows{"选择安装目录", illustrator ? "Illustrator版本:" : "CorelDraw版本:", "自动安装", "安装目录:",
                   "浏览", "确定", "取消"}
            : Rows{"Select install path", illustrator ? "Illustrator Version:" : "CorelDraw Version:",
                   "Auto to Install", "Install Path:", "Browse", "OK", "Cancel"};
        EXPECT_EQ((Rows{dialog.Text(), dialog.Control(IDC_VERSION_LABEL).Text(),
                        dialog.Control(IDC_AUTO_INSTALL).Text(), dialog.Control(IDC_PATH_LABEL).Text(),
                        dialog.Control(IDC_BROWSE).Text(), dialog.Control(IDOK).Text(),
                        dialog.Control(IDCANCEL).Text()}),
                  texts);
        const Window versions = dialog.Control(IDC_VERSION_LIST);
        EXPECT_EQ(versions.Items(), *expected.versions);
        EXPECT_EQ(versions.SelectedRow(), expected.selected);
        EXPECT_EQ(versions.IsEnabled(), expected.versionListEnabled);
        EXPECT_EQ(dialog.Control(IDC_PATH_EXAMPLE).Text(), expected.example);
        EXPECT_EQ(dialog.Control(IDC_INSTALL_PATH).Text(), "C:\\");
        EXPECT_EQ(dialog.Control(IDC_AUTO_INSTALL).IsEnabled(), expected.autoEnabled);
        EXPECT_EQ(dialog.Control(IDC_AUTO_INSTALL).IsChecked(), expected.autoChecked);
        EXPECT_EQ(dialog.Control(IDC_INSTALL_PATH).IsEnabled(), !expected.autoChecked);
        EXPECT_EQ(dialog.Control(IDC_BROWSE).IsEnabled(), !expected.autoChecked);
        CancelAndExpectNothingElse(dialog);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setup, PathDialogType,
    ::testing::Values(TypeCase{"Product", 0, 1, &kCorelDrawVersions, 1, "", false, false, false},
                      TypeCase{"CorelDraw", 1, 2, &kCorelDrawVersions, 1, kCorelDrawExample, true, true, true},
                      TypeCase{"AutoCad", 2, 3, &kCorelDrawVersions, 1, "", false, true, true},
                      TypeCase{"Illustrator", 3, 2, &kIllustratorVersions, 2, kIllustratorExample, true, false,
                               false}),
    [](const ::testing::TestParamInfo<TypeCase>& info) { return info.param.name; });

// ---- Cancel ----

TEST_F(PathDialog, CancelInstallsNothingIntoTheTypedFolder) {
    Start(std::string(E2E_SAMPLE_DIST) + "/Setup.exe");
    // The product would go into a folder below this existing one.
    const std::string target = ScratchFolder() + "Target";
    ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));
    const Window dialog = Open(0, 2);
    dialog.Control(IDC_INSTALL_PATH).Type(target);
    CancelAndExpectNothingElse(dialog);
    EXPECT_TRUE(::RemoveDirectoryA(target.c_str())) << "something was written into " << target;
}

// ---- Browse ----

TEST_F(PathDialog, BrowseCancelledKeepsThePathAndAChosenFolderReplacesIt) {
    Start();
    const std::string folder = ScratchFolder() + "Chosen";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));

    const Window chinese = Open(3, 0);
    chinese.Control(IDC_INSTALL_PATH).Type("D:\\Kept");
    chinese.Control(IDC_BROWSE).Click();
    const BrowseWindow cancelled = BrowseWindow::WaitFor(ProcessId());
    EXPECT_EQ(::GetWindow(cancelled.Frame().Handle(), GW_OWNER), chinese.Handle());
    EXPECT_EQ(cancelled.Title(), kBrowseTitle);
    cancelled.Cancel();
    cancelled.Frame().WaitUntilClosed(kTimeout);
    EXPECT_EQ(chinese.Control(IDC_INSTALL_PATH).Text(), "D:\\Kept");
    CancelAndExpectNothingElse(chinese);

    const Window english = Open(0, 2);
    english.Control(IDC_BROWSE).Click();
    const BrowseWindow browse = BrowseWindow::WaitFor(ProcessId());
    EXPECT_EQ(browse.Title(), kBrowseTitle);
    browse.Choose(folder);
    EXPECT_TRUE(SameFolder(browse.Status(), folder)) << browse.Status();
    browse.PressOk();
    browse.Frame().WaitUntilClosed(kTimeout);
    EXPECT_TRUE(SameFolder(english.Control(IDC_INSTALL_PATH).Text(), folder))
        << english.Control(IDC_INSTALL_PATH).Text();
    CancelAndExpectNothingElse(english);
}

// ---- pictures for the documentation (run on their own, see screenshots.sh) ----

class Screenshots : public PathDialog {
protected:
    void SaveDialog(int type, int languageRow, const std::string& name) {
        Start();
        const Window dialog = Open(type, languageRow);
        e2e::SaveWindowPicture(dialog.Handle(), e2e::WindowsPathOf(E2E_SCREENSHOT_DIR), name);
    }
};

TEST_F(Screenshots, InstallPathProductChinese) { SaveDialog(0, 0, "install-path-product-zh"); }
TEST_F(Screenshots, InstallPathProductEnglish) { SaveDialog(0, 2, "install-path-product-en"); }
TEST_F(Screenshots, InstallPathIllustratorChinese) { SaveDialog(3, 0, "install-path-illustrator-zh"); }
TEST_F(Screenshots, InstallPathIllustratorEnglish) { SaveDialog(3, 2, "install-path-illustrator-en"); }

}  // namespace

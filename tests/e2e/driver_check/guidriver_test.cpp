// The driver's own checks, on a small dialog of ours: typing, check boxes,
// list boxes, message boxes, exit codes, and what it refuses to do.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "check_app.h"
#include "guidriver/find.h"
#include "guidriver/process.h"
#include "support/setup_run.h"

namespace {

using guidriver::Duration;
using guidriver::DriverError;
using guidriver::Window;

constexpr Duration kTimeout(30000);
constexpr char kCaption[] = "驱动检查 Driver check";

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        process_.emplace(guidriver::StartedProcess::Start(e2e::WindowsPathOf(E2E_CHECK_APP)));
        dialog_ = guidriver::WaitForWindow(kCaption, process_->Id(), Duration(60000));
    }
    Window Item(int id) const { return dialog_.Control(id); }
    void ExpectEvent(const std::string& event) const { Item(IDC_CHECK_EVENT).WaitForText(event, kTimeout); }

    std::optional<guidriver::StartedProcess> process_;
    Window dialog_;
};

TEST_F(Driver, TypedTextReadsBackAndNotifiesTheDialog) {
    const std::string text = "C:\\安装 路径\\BeamDraft";
    Item(IDC_CHECK_EDIT).Type(text);
    EXPECT_EQ(Item(IDC_CHECK_EDIT).Text(), text);
    ExpectEvent("changed " + text);
}

TEST_F(Driver, ClickTogglesCheckBox) {
    const Window box = Item(IDC_CHECK_BOX);
    EXPECT_FALSE(box.IsChecked());
    box.Click();
    EXPECT_TRUE(guidriver::PollUntil(kTimeout, [&] { return box.IsChecked(); }));
    EXPECT_EQ(box.Text(), "Option 选项");
}

TEST_F(Driver, SelectsListBoxRowWithNotification) {
    const Window list = Item(IDC_CHECK_LIST);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"first", "第二", "third"}));
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_EQ(list.SelectText("第二"), 1);
    EXPECT_EQ(list.SelectedRow(), 1);
    ExpectEvent("row 1");
    EXPECT_THROW(list.SelectRow(3), DriverError);
    EXPECT_THROW(list.SelectText("fourth"), DriverError);
    EXPECT_EQ(list.SelectedRow(), 1);
}

TEST_F(Driver, ReadsAndAnswersMessageBox) {
    Item(IDC_CHECK_EDIT).Type("安装成功!");
    Item(IDC_CHECK_SHOW).Click();
    const Window box = guidriver::WaitForMessageBox(process_->Id(), kTimeout, "Check");
    EXPECT_EQ(box.MessageText(), "安装成功!\n第二行");
    EXPECT_THROW(Item(IDC_CHECK_SHOW).Click(), DriverError) << "the dialog behind the message box is disabled";
    box.PressOk();
    box.WaitUntilClosed(kTimeout);
    ExpectEvent("answer 1");
}

TEST_F(Driver, ReportsExitCodeAfterCloseBox) {
    Item(IDC_CHECK_BOX).Click();
    ASSERT_TRUE(guidriver::PollUntil(kTimeout, [&] { return Item(IDC_CHECK_BOX).IsChecked(); }));
    EXPECT_FALSE(process_->WaitForExit(Duration(0)).has_value());
    dialog_.SystemCommand(SC_CLOSE);
    EXPECT_EQ(process_->WaitForExit(kTimeout), std::optional<DWORD>(21));
}

TEST_F(Driver, WaitsEndWithErrorsThatSayWhatWasThere) {
    try {
        guidriver::WaitForWindow("Nowhere", process_->Id(), Duration(500));
        FAIL() << "found a window that is not there";
    } catch (const DriverError& error) {
        EXPECT_EQ(std::string(error.what()), std::string("no window \"Nowhere\" after 0 s; windows: \"") + kCaption + "\"");
    }
    EXPECT_THROW(dialog_.Control(4242), DriverError);
    EXPECT_THROW(Item(IDC_CHECK_EVENT).WaitForText("never", Duration(300)), DriverError);
}

TEST_F(Driver, EndsItsProcessWhenDropped) {
    const DWORD id = process_->Id();
    process_.reset();
    EXPECT_TRUE(guidriver::PollUntil(kTimeout, [&] { return guidriver::TopLevelWindows(id).empty(); }));
    EXPECT_FALSE(dialog_.Exists());
}

}  // namespace

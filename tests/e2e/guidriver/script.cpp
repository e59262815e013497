#include "guidriver/script.h"

#include <map>

#include "guidriver/find.h"
#include "guidriver/screenshot.h"
#include "res/resource.h"

namespace guidriver {

namespace {

constexpr Duration kDefaultTimeout(30000);

// Results stay on one line: line breaks and tabs are written as \n and \t.
std::string OneLine(const std::string& text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') line += "\\n";
        else if (text[i] == '\t') line += "\\t";
        else line += text[i];
    }
    return line;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string list;
    for (size_t i = 0; i < items.size(); ++i) list += (i ? "|" : "") + items[i];
    return list;
}

int Number(const std::string& word) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used, 0);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size()) throw DriverError("not a number: " + word);
    return value;
}

// An id as a number, or by its name in Setup's res/resource.h (or the
// system's), so that a shell scenario says "click IDC_INSTALL" and cannot
// drift from the program.
int IdArgument(const std::string& word) {
#define NAMED_ID(name) {#name, name}
    static const std::map<std::string, int> named = {
        NAMED_ID(IDOK),              NAMED_ID(IDCANCEL),            NAMED_ID(SC_CLOSE),
        NAMED_ID(IDM_ABOUTBOX),      NAMED_ID(IDC_TYPE_LIST),       NAMED_ID(IDC_LANGUAGE_LIST),
        NAMED_ID(IDC_INSTALL),       NAMED_ID(IDC_INSTALL_PATH),    NAMED_ID(IDC_BROWSE),
        NAMED_ID(IDC_DRIVER_HIDDEN), NAMED_ID(IDC_DRIVER_PROGRESS), NAMED_ID(IDC_AUTO_INSTALL),
        NAMED_ID(IDC_VERSION_LIST),  NAMED_ID(IDC_VERSION_LABEL),   NAMED_ID(IDC_PATH_LABEL),
        NAMED_ID(IDC_TYPE_LABEL),    NAMED_ID(IDC_LANGUAGE_LABEL),  NAMED_ID(IDC_USB_DRIVER),
        NAMED_ID(IDC_PATH_EXAMPLE),
    };
#undef NAMED_ID
    const auto found = named.find(word);
    return found != named.end() ? found->second : Number(word);
}

Duration TimeoutArgument(const std::vector<std::string>& words, size_t index) {
    if (words.size() <= index) return kDefaultTimeout;
    return Duration(static_cast<long long>(Number(words[index])) * 1000);
}

Key KeyNamed(const std::string& name) {
    static const std::map<std::string, Key> keys = {{"esc", Key::Escape}, {"enter", Key::Enter},
                                                    {"tab", Key::Tab},    {"space", Key::Space},
                                                    {"up", Key::Up},      {"down", Key::Down}};
    const auto found = keys.find(name);
    if (found == keys.end()) throw DriverError("unknown key " + name + " (esc, enter, tab, space, up, down)");
    return found->second;
}

std::string Flag(bool state) { return state ? "1" : "0"; }

std::string SizeText(const ImageSize& size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

void RequireWords(const std::vector<std::string>& words, size_t least, size_t most, const char* usage) {
    if (words.size() < least || words.size() > most) throw DriverError(std::string("usage: ") + usage);
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n') { ++i; continue; }
        std::string word;
        if (line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') { word += line[i]; continue; }
                if (i + 1 < line.size() && line[i + 1] == '"') { word += '"'; ++i; continue; }
                ++i;
                break;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool Script::RunLine(const std::string& line) {
    const Words words = SplitWords(line);
    if (words.empty() || words[0][0] == '#') return true;
    try {
        const std::string result = OneLine(Execute(words));
        report_(result.empty() ? "ok" : "ok " + result);
        return true;
    } catch (const std::exception& error) {
        report_("fail " + OneLine(error.what()));
        return false;
    }
}

const Window& Script::Current() const {
    if (!current_.Exists()) throw DriverError("no current window (wait for one first)");
    return current_;
}

Window Script::CurrentControl(const Words& words, size_t index) const {
    return Current().Control(IdArgument(words.at(index)));
}

StartedProcess& Script::Process() {
    if (!process_) throw DriverError("no process was started");
    return *process_;
}

std::string Script::Start(const Words& words) {
    RequireWords(words, 2, 4, "start EXE [FOLDER [ARGUMENTS]]");
    process_ = StartedProcess::Start(words[1], words.size() > 2 ? words[2] : "", words.size() > 3 ? words[3] : "");
    current_ = Window();
    return std::to_string(process_->Id());
}

std::string Script::WaitExit(const Words& words) {
    RequireWords(words, 1, 2, "wait-exit [SECONDS]");
    const Duration timeout = TimeoutArgument(words, 1);
    const auto code = Process().WaitForExit(timeout);
    if (!code) throw DriverError("the process still runs after " + std::to_string(timeout.count() / 1000) + " s");
    return std::to_string(*code);
}

std::string Script::Detach(const Words& words) {
    RequireWords(words, 1, 1, "detach");
    Process().Detach();
    return {};
}

std::string Script::Screenshot(const Words& words) {
    RequireWords(words, 2, 2, "screenshot FILE.bmp");
    return SizeText(SaveScreenshot(Current().Handle(), words[1]));
}

std::string Script::ScreenshotScreen(const Words& words) {
    RequireWords(words, 2, 2, "screenshot-screen FILE.bmp");
    return SizeText(SaveScreenshot(nullptr, words[1]));
}

std::string Script::WaitWindow(const Words& words) {
    RequireWords(words, 2, 3, "wait-window CAPTION [SECONDS]");
    current_ = WaitForWindow(words[1], ProcessFilter(), TimeoutArgument(words, 2));
    return current_.Text();
}

std::string Script::WaitAnyWindow(const Words& words) {
    RequireWords(words, 1, 2, "wait-any-window [SECONDS]");
    current_ = WaitForAnyWindow(ProcessFilter(), TimeoutArgument(words, 1));
    return current_.Text();
}

std::string Script::WaitMessageBox(const Words& words) {
    RequireWords(words, 1, 3, "wait-message-box [SECONDS [CAPTION]]");
    current_ = WaitForMessageBox(ProcessFilter(), TimeoutArgument(words, 1), words.size() > 2 ? words[2] : "");
    return current_.Text();
}

std::string Script::Windows(const Words& words) {
    RequireWords(words, 1, 1, "windows");
    std::vector<std::string> captions;
    for (const auto& window : TopLevelWindows(ProcessFilter())) captions.push_back(window.Text());
    return Joined(captions);
}

std::string Script::WaitClosed(const Words& words) {
    RequireWords(words, 1, 2, "wait-closed [SECONDS]");
    Current().WaitUntilClosed(TimeoutArgument(words, 1));
    return {};
}

std::string Script::Caption(const Words& words) {
    RequireWords(words, 1, 1, "caption");
    return Current().Text();
}

std::string Script::ControlText(const Words& words) {
    RequireWords(words, 2, 2, "text ID");
    return CurrentControl(words, 1).Text();
}

std::string Script::Items(const Words& words) {
    RequireWords(words, 2, 2, "items ID");
    return Joined(CurrentControl(words, 1).Items());
}

std::string Script::Selected(const Words& words) {
    RequireWords(words, 2, 2, "selected ID");
    const Window list = CurrentControl(words, 1);
    const int row = list.SelectedRow();
    return std::to_string(row) + (row >= 0 ? " " + list.Items().at(static_cast<size_t>(row)) : "");
}

std::string Script::Visible(const Words& words) {
    RequireWords(words, 1, 2, "visible [ID]");
    return Flag(Target(words).IsVisible());
}

std::string Script::Enabled(const Words& words) {
    RequireWords(words, 1, 2, "enabled [ID]");
    return Flag(Target(words).IsEnabled());
}

std::string Script::Checked(const Words& words) {
    RequireWords(words, 2, 2, "checked ID");
    return Flag(Target(words).IsChecked());
}

std::string Script::Focused(const Words& words) {
    RequireWords(words, 1, 1, "focused");
    const auto focus = Current().FocusedControl();
    return std::to_string(focus ? focus->Id() : 0);
}

std::string Script::Focus(const Words& words) {
    RequireWords(words, 2, 2, "focus ID");
    CurrentControl(words, 1).Focus();
    return {};
}

std::string Script::Select(const Words& words) {
    RequireWords(words, 3, 3, "select ID ROW");
    const Window list = CurrentControl(words, 1);
    const int row = Number(words[2]);
    list.SelectRow(row);
    return list.Items().at(static_cast<size_t>(row));
}

std::string Script::SelectText(const Words& words) {
    RequireWords(words, 3, 3, "select-text ID TEXT");
    return std::to_string(CurrentControl(words, 1).SelectText(words[2]));
}

std::string Script::Type(const Words& words) {
    RequireWords(words, 3, 3, "type ID TEXT");
    CurrentControl(words, 1).Type(words[2]);
    return {};
}

std::string Script::Click(const Words& words) {
    RequireWords(words, 2, 2, "click ID");
    CurrentControl(words, 1).Click();
    return {};
}

std::string Script::PressKey(const Words& words) {
    RequireWords(words, 2, 2, "key esc|enter|tab|space|up|down");
    Current().PressKey(KeyNamed(words[1]));
    return {};
}

std::string Script::SystemCommand(const Words& words) {
    RequireWords(words, 2, 2, "syscommand ID");
    Current().SystemCommand(static_cast<UINT>(IdArgument(words[1])));
    return {};
}

std::string Script::MessageText(const Words& words) {
    RequireWords(words, 1, 1, "message-text");
    return Current().MessageText();
}

std::string Script::PressOk(const Words& words) {
    RequireWords(words, 1, 1, "press-ok");
    Current().PressOk();
    return {};
}

std::string Script::WaitText(const Words& words) {
    RequireWords(words, 3, 4, "wait-text ID TEXT [SECONDS]");
    const Window control = CurrentControl(words, 1);
    control.WaitForText(words[2], TimeoutArgument(words, 3));
    return control.Text();
}

Window Script::Target(const Words& words) const {
    return words.size() > 1 ? CurrentControl(words, 1) : Current();
}

std::string Script::Execute(const Words& words) {
    using Handler = std::string (Script::*)(const Words&);
    static const std::map<std::string, Handler> commands = {
        {"start", &Script::Start},
        {"wait-exit", &Script::WaitExit},
        {"detach", &Script::Detach},
        {"screenshot", &Script::Screenshot},
        {"screenshot-screen", &Script::ScreenshotScreen},
        {"wait-window", &Script::WaitWindow},
        {"wait-any-window", &Script::WaitAnyWindow},
        {"wait-message-box", &Script::WaitMessageBox},
        {"windows", &Script::Windows},
        {"wait-closed", &Script::WaitClosed},
        {"caption", &Script::Caption},
        {"text", &Script::ControlText},
        {"items", &Script::Items},
        {"selected", &Script::Selected},
        {"visible", &Script::Visible},
        {"enabled", &Script::Enabled},
        {"checked", &Script::Checked},
        {"focused", &Script::Focused},
        {"focus", &Script::Focus},
        {"select", &Script::Select},
        {"select-text", &Script::SelectText},
        {"type", &Script::Type},
        {"click", &Script::Click},
        {"key", &Script::PressKey},
        {"syscommand", &Script::SystemCommand},
        {"message-text", &Script::MessageText},
        {"press-ok", &Script::PressOk},
        {"wait-text", &Script::WaitText},
    };
    const auto found = commands.find(words[0]);
    if (found == commands.end()) throw DriverError("unknown command " + words[0]);
    return (this->*found->second)(words);
}

}  // namespace guidriver

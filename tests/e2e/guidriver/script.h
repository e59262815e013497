#pragma once
// The driver's command language: one command per line, words separated by
// blanks, a word with blanks in double quotes ("" inside for a quote), lines
// starting with # ignored. Each command is answered with one line,
// "ok <result>" or "fail <reason>". The commands are listed in README.md.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "guidriver/process.h"
#include "guidriver/window.h"

namespace guidriver {

std::vector<std::string> SplitWords(const std::string& line);

class Script {
public:
    using Reporter = std::function<void(const std::string& line)>;
    explicit Script(Reporter report) : report_(std::move(report)) {}

    // Runs one line; false when it failed. Blank lines and comments pass.
    bool RunLine(const std::string& line);

private:
    using Words = std::vector<std::string>;
    std::string Execute(const Words& words);
    const Window& Current() const;
    Window CurrentControl(const Words& words, size_t index) const;
    DWORD ProcessFilter() const { return process_ ? process_->Id() : 0; }
    StartedProcess& Process();

    Window Target(const Words& words) const;  // the control ID in words[1], else the window

    // One handler per command; each returns the text after "ok".
    std::string Start(const Words& words);
    std::string WaitExit(const Words& words);
    std::string Detach(const Words& words);
    std::string Screenshot(const Words& words);
    std::string ScreenshotScreen(const Words& words);
    std::string WaitWindow(const Words& words);
    std::string WaitAnyWindow(const Words& words);
    std::string WaitMessageBox(const Words& words);
    std::string Windows(const Words& words);
    std::string WaitClosed(const Words& words);
    std::string Caption(const Words& words);
    std::string ControlText(const Words& words);
    std::string Items(const Words& words);
    std::string Selected(const Words& words);
    std::string Visible(const Words& words);
    std::string Enabled(const Words& words);
    std::string Checked(const Words& words);
    std::string Focused(const Words& words);
    std::string Focus(const Words& words);
    std::string Select(const Words& words);
    std::string SelectText(const Words& words);
    std::string Type(const Words& words);
    std::string Click(const Words& words);
    std::string PressKey(const Words& words);
    std::string SystemCommand(const Words& words);
    std::string MessageText(const Words& words);
    std::string PressOk(const Words& words);
    std::string WaitText(const Words& words);

    Reporter report_;
    std::optional<StartedProcess> process_;
    Window current_;
};

}  // namespace guidriver

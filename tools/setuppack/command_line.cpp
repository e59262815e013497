#include "command_line.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <optional>

#include "build.h"
#include "code_page.h"
#include "errors.h"
#include "examine.h"

namespace setuppack {
namespace {

const char kMainHelp[] =
    "Usage: setuppack COMMAND ARGUMENTS\n"
    "Appends a payload archive to Setup.exe, and reads the archive of an installer.\n"
    "\n"
    "Commands:\n"
    "  build    write an installer: a stub followed by the files of a payload folder\n"
    "  list     list the entries of an installer\n"
    "  verify   check an installer's archive, and compare it with a payload folder\n"
    "  extract  write every entry of an installer into a folder\n"
    "\n"
    "'setuppack COMMAND --help' describes a command. Exit status: 0 success,\n"
    "1 refused or failed (the reason goes to standard error), 2 wrong usage.\n";

const char kBuildHelp[] =
    "Usage: setuppack build --stub SETUP_EXE --payload DIR --out INSTALLER [--codepage N]\n"
    "Writes SETUP_EXE, zero filler, every file below DIR as an entry, the offset table and\n"
    "the offset count. The installer's length is a multiple of 8, so that a signing tool\n"
    "adds no padding between the count and the signature. Where SETUP_EXE reserves an\n"
    "integrity block, it receives the CRC-32 and length of everything after the stub.\n"
    "Entry order: within every folder its own files, then its sub-folders, each sorted by\n"
    "byte-wise stored name. Names are relative to DIR with backslash separators.\n"
    "Refused, with every reason listed: empty files, names of 400 or more bytes, more than\n"
    "599 files, a folder without files of its own, names that leave the installation folder\n"
    "or hold characters Windows forbids, names differing only in letter case, links, non-ASCII\n"
    "names without --codepage, and installers of 4 GiB or more.\n"
    "  --codepage N  store names in Windows code page N (936, 1250, 1251 or 1252)\n";

const char kListHelp[] =
    "Usage: setuppack list INSTALLER [--codepage N]\n"
    "Prints one line per entry, fields separated by a tab:\n"
    "  INDEX  FOLDER  NAME  SIZE\n"
    "INDEX counts from 0 in table order; FOLDER is the entry folder with backslashes (empty\n"
    "for a file at the top); NAME is the file name; SIZE is the data size in bytes.\n"
    "With --codepage N, names are read in code page N and printed as UTF-8; otherwise their\n"
    "bytes are printed as stored. A signed installer is read without its signature.\n"
    "What the integrity block says (no checksum, matches, does not match) goes to standard error.\n";

const char kVerifyHelp[] =
    "Usage: setuppack verify INSTALLER [--payload DIR] [--codepage N]\n"
    "Checks the archive as the installer does (count, offset table, every entry and name)\n"
    "and that each extraction creates an entry's parent folder before the entry, and that\n"
    "the archive matches the checksum in the stub's integrity block, where one is stored. With\n"
    "--payload, also checks that every entry equals the file of that name in DIR and that\n"
    "DIR holds no file the archive lacks. Exit status 0 only when all is well.\n";

const char kExtractHelp[] =
    "Usage: setuppack extract INSTALLER --out DIR [--codepage N]\n"
    "Checks every entry, then writes all of them (whatever the installer's extraction mode\n"
    "would skip) to DIR/FOLDER/NAME, creating folders as needed and replacing files.\n"
    "Non-ASCII names need the --codepage N the installer was built with.\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Command {
    const char* help;
    std::vector<std::string> options;  // each takes a value
    bool takesInstaller;
};

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"build", {kBuildHelp, {"--stub", "--payload", "--out", "--codepage"}, false}},
        {"list", {kListHelp, {"--codepage"}, true}},
        {"verify", {kVerifyHelp, {"--payload", "--codepage"}, true}},
        {"extract", {kExtractHelp, {"--out", "--codepage"}, true}},
    };
    return commands;
}

struct Arguments {
    std::optional<std::string> installer;
    std::map<std::string, std::string> options;

    std::optional<std::string> Option(const std::string& name) const {
        const auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::string Required(const std::string& name) const {
        if (auto value = Option(name)) return *value;
        throw UsageError("missing " + name);
    }
};

Arguments Parse(const Command& command, const std::vector<std::string>& words) {
    Arguments arguments;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool known = std::find(command.options.begin(), command.options.end(), word) != command.options.end();
        if (known) {
            if (i + 1 >= words.size()) throw UsageError(word + " needs a value");
            if (!arguments.options.emplace(word, words[++i]).second) throw UsageError(word + " given twice");
        } else if (word.size() > 1 && word[0] == '-') {
            throw UsageError("unknown option " + word);
        } else if (command.takesInstaller && !arguments.installer) {
            arguments.installer = word;
        } else {
            throw UsageError("unexpected argument " + word);
        }
    }
    if (command.takesInstaller && !arguments.installer) throw UsageError("missing INSTALLER");
    return arguments;
}

std::optional<CodePage> CodePageOption(const Arguments& arguments) {
    const auto text = arguments.Option("--codepage");
    if (!text) return std::nullopt;
    unsigned number = 0;
    for (char c : *text) {
        if (c < '0' || c > '9' || number > 100000) throw UsageError("--codepage needs a number, not " + *text);
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    auto codePage = SupportedCodePage(number);
    if (!codePage) throw UsageError("code page " + *text + " is not supported; use one of " + SupportedCodePages());
    return codePage;
}

void RunCommand(const std::string& name, const Arguments& arguments, std::ostream& out, std::ostream& err) {
    const auto codePage = CodePageOption(arguments);
    if (name == "build") {
        BuildInstaller({arguments.Required("--stub"), arguments.Required("--payload"), arguments.Required("--out"),
                        codePage},
                       err);
    } else if (name == "list") {
        ListInstaller(*arguments.installer, codePage, out, err);
    } else if (name == "verify") {
        VerifyInstaller(*arguments.installer, arguments.Option("--payload"), codePage, out);
    } else {
        ExtractInstaller(*arguments.installer, arguments.Required("--out"), codePage, err);
    }
}

bool AsksForHelp(const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), "--help") != words.end() ||
           std::find(words.begin(), words.end(), "-h") != words.end();
}

}  // namespace

int RunSetupPack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        err << kMainHelp;
        return kExitUsage;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        out << kMainHelp;
        return kExitOk;
    }
    const auto command = Commands().find(arguments[0]);
    if (command == Commands().end()) {
        err << "setuppack: unknown command " << arguments[0] << "\n" << kMainHelp;
        return kExitUsage;
    }
    const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
    if (AsksForHelp(words)) {
        out << command->second.help;
        return kExitOk;
    }
    try {
        RunCommand(command->first, Parse(command->second, words), out, err);
        return kExitOk;
    } catch (const UsageError& error) {
        err << "setuppack " << command->first << ": " << error.what() << "\n" << command->second.help;
        return kExitUsage;
    } catch (const Failure& failure) {
        err << "setuppack " << command->first << ": " << failure.what() << "\n";
    } catch (const FileError& error) {
        err << "setuppack " << command->first << ": " << error.what() << "\n";
    }
    return kExitFailed;
}

}  // namespace setuppack

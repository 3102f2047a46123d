#include "CBuildCommand.h"
#include "CDefaultsCommand.h"
#include "CExtensionsCommand.h"
#include "CFormatsCommand.h"
#include "CHistoryCommand.h"
#include "CNamesCommand.h"
#include "CPreviewCommand.h"
#include "CStructureCommand.h"
#include "CSendCommand.h"
#include "CSettingCommand.h"
#include "CSettingsCommand.h"
#include "CSetupCommand.h"
#include "CSizeCommand.h"
#include "CStatusCommand.h"
#include "CWatchCommand.h"
#include "ICommand.h"

#include "CProgramVersion.h"
#include "CResourceModule.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <memory>
#include <vector>

namespace {
struct Command {
    std::unique_ptr<ICommand> command;
    const char* description;
};

std::vector<Command> MakeCommands()
{
    std::vector<Command> commands;
    commands.push_back({std::make_unique<CSettingCommand>(),
                        "list the setting files, show one's keys as the editor saves them, save one as NEW "
                        "with edits"});
    commands.push_back({std::make_unique<CSettingsCommand>(), "the same as setting list"});
    commands.push_back({std::make_unique<CFormatsCommand>(),
                        "list the data formats with their file extensions, or tell each FILE's format"});
    commands.push_back({std::make_unique<CNamesCommand>(CNameList::Kind::Owner),
                        "list the owner names the window offers, or add or remove one (NAME in any case)"});
    commands.push_back({std::make_unique<CNamesCommand>(CNameList::Kind::Printer),
                        "list the printer names the window offers, or add or remove one (NAME in any case)"});
    commands.push_back({std::make_unique<CExtensionsCommand>(),
                        "list each data format's extensions, or add or remove one; an unknown FORMAT fails"});
    commands.push_back({std::make_unique<CDefaultsCommand>(), "print the settings block a job would carry"});
    commands.push_back(
        {std::make_unique<CStatusCommand>(), "ask the printer for its controller family and PS/PDF option"});
    commands.push_back(
        {std::make_unique<CSendCommand>(), "send the files as one job; prints the job's name on the printer"});
    commands.push_back(
        {std::make_unique<CSetupCommand>(), "send a setting file alone, to become the printer's defaults"});
    commands.push_back({std::make_unique<CWatchCommand>(),
                        "send every plot file arriving in FOLDER as a job, keeping it in sent/ or failed/, until "
                        "Ctrl-C or SIGTERM"});
    commands.push_back({std::make_unique<CBuildCommand>(),
                        "write the job a send would upload (the setup job without FILE), without sending it"});
    commands.push_back({std::make_unique<CStructureCommand>(), "show the structure of a job file"});
    commands.push_back({std::make_unique<CHistoryCommand>(),
                        "list the sends of the send history, newest first, one a line or as JSON"});
    commands.push_back({std::make_unique<CSizeCommand>(),
                        "print each FILE's data format, drawing size and page count; fails for a file it cannot "
                        "read"});
    commands.push_back(
        {std::make_unique<CPreviewCommand>(), "write page 1 of FILE as a PNG picture, by default 1024 pixels wide"});
    return commands;
}

constexpr const char* kOptions =
    "options:\n"
    "  --printer HOST[:PORT]  the printer's host name or address; the port 1 to 65535, by default 21\n"
    "  --number N             the printer number (0 to 99), the input folder pltNNp; by default the last one\n"
    "                         chosen in the window\n"
    "  --owner NAME           the job's owner; by default the one the window would choose\n"
    "  --setting NAME|PATH    a printer setting file by name (see setting list) or by path; by default the\n"
    "                         printer's own defaults\n"
    "  --copies N             copies of every file, 1 to 99; by default 1\n"
    "  --collate              print the copies as whole sets\n"
    "  --reverse              send the files last to first\n"
    "  --format NAME          the data format of every file (see formats); by default each file's extension\n"
    "                         decides\n"
    "  --controller NAME      the controller family (Heron, Corvid2nd, Others) instead of asking the printer\n"
    "  --region CODE          the finisher words of that region instead of the installed region's\n"
    "  --batch SECONDS        watch: the files arriving within that time of each other go as one job\n"
    "  --settle SECONDS       watch: a file not closed after writing is whole once its size has stayed the same\n"
    "                         that long; by default 3\n"
    "  --retry-for SECONDS    watch: how long a printer that does not answer is tried again; by default 600\n"
    "  -o JOB                 the file build writes\n"
    "  -o PNG                 the picture preview writes\n"
    "  --width PX             preview: the picture's width in pixels, 16 to 8192; by default 1024\n"
    "  --since YYYY-MM-DD     history: only the sends from that day on (local time)\n"
    "  --json                 history: one JSON array of objects instead of lines\n"
    "  --overwrite            setting save-as: replace NEW when it exists; NEW with a \"/\" is a path, otherwise\n"
    "                         the name of a setting file saved in the program's setting folder\n"
    "  --help                 after a command: its usage\n\n"
    "exit codes:\n"
    "  0  done\n"
    "  1  failed (the message on standard error)\n"
    "  2  wrong usage\n"
    "  3  cancelled with Ctrl-C (an upload cut short is removed from the printer)\n";

// A usage line broken between its options, never inside "[--name VALUE]".
std::string Wrapped(const std::string& usage, std::size_t width, const std::string& indent)
{
    std::string text;
    std::size_t lineStart = 0;
    std::size_t depth = 0;
    for (std::size_t i = 0; i < usage.size(); ++i) {
        depth += usage[i] == '[' ? 1 : 0;
        depth -= usage[i] == ']' && depth > 0 ? 1 : 0;
        const std::size_t next = usage.find(' ', i + 1);
        const std::size_t end = next == std::string::npos ? usage.size() : next;
        if (usage[i] == ' ' && depth == 0 && text.size() - lineStart + end - i > width) {
            text += '\n' + indent;
            lineStart = text.size() - indent.size();
            continue;
        }
        text += usage[i];
    }
    return text;
}

void PrintHelp(std::ostream& out, const std::vector<Command>& commands)
{
    out << "usage: qx-sendora-cli COMMAND [OPTIONS]\n"
           "       qx-sendora-cli --help | --version\n\ncommands:\n";
    for (const auto& entry : commands)
        out << "  " << Wrapped(entry.command->Usage(), 96, "        ") << "\n      " << entry.description << '\n';
    out << '\n' << kOptions;
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    return std::find_if(args.begin(), args.end(), [](const auto& arg) { return arg == "--help" || arg == "-h"; }) !=
           args.end();
}

// The region is an installation choice (which module lies beside the
// program), so the version names it.
void PrintVersion()
{
    CResourceModule::LoadResourceModule();
    const std::string region = CProgramVersion::ReadRegionCode();
    std::cout << "qx-sendora-cli " << CProgramVersion::GetVersionText();
    if (!region.empty())
        std::cout << " (region " << region << ')';
    std::cout << '\n';
}

int RunCommand(const Command& entry, const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::cout << "usage: qx-sendora-cli " << entry.command->Usage() << '\n' << entry.description << '\n';
        return kExitOk;
    }
    // Without the module every message would be an empty line.
    if (!CResourceModule::LoadResourceModule()) {
        std::cerr << "qx-sendora-cli: " << CResourceModule::LoadFailureText() << '\n';
        return kExitFailed;
    }
    return entry.command->Run(args);
}
}

int main(int argc, char** argv)
{
    // Beyond a file size limit a write then fails, is reported and its
    // temporary file removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto commands = MakeCommands();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr, commands);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(std::cout, commands);
        return kExitOk;
    }
    if (args[0] == "--version") {
        PrintVersion();
        return kExitOk;
    }
    for (const auto& entry : commands)
        if (entry.command->Name() == args[0])
            return RunCommand(entry, {args.begin() + 1, args.end()});
    std::cerr << "qx-sendora-cli: unknown command " << args[0] << '\n';
    PrintHelp(std::cerr, commands);
    return kExitUsage;
}

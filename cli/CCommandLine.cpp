#include "CCommandLine.h"

#include "CConsoleMessageSink.h"
#include "CMessageService.h"
#include "CProgramVersion.h"
#include "CResourceModule.h"

#include <algorithm>
#include <csignal>
#include <iostream>

namespace {
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

bool AsksForHelp(const std::vector<std::string>& args)
{
    return std::find_if(args.begin(), args.end(), [](const auto& arg) { return arg == "--help" || arg == "-h"; }) !=
           args.end();
}
}

void CCommandLine::Add(std::unique_ptr<ICommand> command, const char* description)
{
    m_commands.push_back({std::move(command), description});
}

int CCommandLine::Run(int argc, char** argv) const
{
    // Beyond a file size limit a write then fails, is reported and its
    // temporary file removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    static CConsoleMessageSink messages;
    CMessageService::SetSink(&messages);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        PrintVersion();
        return kExitOk;
    }
    for (const auto& entry : m_commands)
        if (entry.command->Name() == args[0])
            return RunCommand(entry, {args.begin() + 1, args.end()});
    std::cerr << CConsoleMessageSink::kPrefix << "unknown command " << args[0] << "; see qx-sendora-cli --help\n";
    return kExitUsage;
}

void CCommandLine::PrintHelp(std::ostream& out) const
{
    out << "usage: qx-sendora-cli COMMAND [OPTIONS]\n"
           "       qx-sendora-cli --help | --version\n\ncommands:\n";
    for (const auto& entry : m_commands)
        out << "  " << Wrapped(entry.command->Usage(), 96, "        ") << "\n      " << entry.description << '\n';
    out << '\n' << kOptions;
}

// The region is an installation choice (which module lies beside the
// program), so the version names it.
void CCommandLine::PrintVersion()
{
    CResourceModule::LoadResourceModule();
    const std::string region = CProgramVersion::ReadRegionCode();
    std::cout << "qx-sendora-cli " << CProgramVersion::GetVersionText();
    if (!region.empty())
        std::cout << " (region " << region << ')';
    std::cout << '\n';
}

int CCommandLine::RunCommand(const Entry& entry, const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::cout << "usage: qx-sendora-cli " << entry.command->Usage() << '\n' << entry.description << '\n';
        return kExitOk;
    }
    // Without the module every message would be an empty line.
    if (!CResourceModule::LoadResourceModule()) {
        std::cerr << CConsoleMessageSink::kPrefix << CResourceModule::LoadFailureText() << '\n';
        return kExitFailed;
    }
    return entry.command->Run(args);
}

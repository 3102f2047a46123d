// qx-sendora-cli: runs the commands that need only the core, and hands
// each of the others over to the helper program that links its libraries.
#include "CBuildCommand.h"
#include "CCommandLine.h"
#include "CDefaultsCommand.h"
#include "CExtensionsCommand.h"
#include "CFormatsCommand.h"
#include "CHandOverCommand.h"
#include "CHistoryCommand.h"
#include "CNamesCommand.h"
#include "CPreviewCommand.h"
#include "CSendCommand.h"
#include "CSettingCommand.h"
#include "CSettingsCommand.h"
#include "CSetupCommand.h"
#include "CSizeCommand.h"
#include "CSizeHandOver.h"
#include "CStatusCommand.h"
#include "CStructureCommand.h"
#include "CWatchCommand.h"

#include <memory>

namespace {
template <class Command>
void HandOver(CCommandLine& line, const char* helper)
{
    line.Add(std::make_unique<CHandOverCommand>(Command::kText, helper), Command::kText.description);
}
}

int main(int argc, char** argv)
{
    CCommandLine line;
    line.Add(std::make_unique<CSettingCommand>(),
             "list the setting files, show one's keys as the editor saves them, save one as NEW with edits");
    line.Add(std::make_unique<CSettingsCommand>(), "the same as setting list");
    line.Add(std::make_unique<CFormatsCommand>(),
             "list the data formats with their file extensions, or tell each FILE's format");
    line.Add(std::make_unique<CNamesCommand>(CNameList::Kind::Owner),
             "list the owner names the window offers, or add or remove one (NAME in any case)");
    line.Add(std::make_unique<CNamesCommand>(CNameList::Kind::Printer),
             "list the printer names the window offers, or add or remove one (NAME in any case)");
    line.Add(std::make_unique<CExtensionsCommand>(),
             "list each data format's extensions, or add or remove one; an unknown FORMAT fails");
    line.Add(std::make_unique<CDefaultsCommand>(), "print the settings block a job would carry");
    line.Add(std::make_unique<CStatusCommand>(), "ask the printer for its controller family and PS/PDF option");
    HandOver<CSendCommand>(line, "qx-sendora-cli-send");
    HandOver<CSetupCommand>(line, "qx-sendora-cli-send");
    HandOver<CWatchCommand>(line, "qx-sendora-cli-send");
    line.Add(std::make_unique<CBuildCommand>(),
             "write the job a send would upload (the setup job without FILE), without sending it");
    line.Add(std::make_unique<CStructureCommand>(), "show the structure of a job file");
    HandOver<CHistoryCommand>(line, "qx-sendora-cli-history");
    line.Add(std::make_unique<CSizeHandOver>("qx-sendora-cli-plot", "qx-sendora-cli-pictures"),
             CSizeCommand::kText.description);
    HandOver<CPreviewCommand>(line, "qx-sendora-cli-pictures");
    return line.Run(argc, argv);
}

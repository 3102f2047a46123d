// qx-sendora-cli-send: send, setup and watch, handed over by
// qx-sendora-cli; loads libcurl for the printer, and SQLite for the send
// history every upload is recorded in.
#include "CCommandLine.h"
#include "CSendCommand.h"
#include "CSetupCommand.h"
#include "CWatchCommand.h"

#include <memory>

int main(int argc, char** argv)
{
    CCommandLine line;
    line.Add(std::make_unique<CSendCommand>(), CSendCommand::kText.description);
    line.Add(std::make_unique<CSetupCommand>(), CSetupCommand::kText.description);
    line.Add(std::make_unique<CWatchCommand>(), CWatchCommand::kText.description);
    return line.Run(argc, argv);
}

// qx-sendora-cli-history: history, handed over by qx-sendora-cli; loads
// SQLite for the send history.
#include "CCommandLine.h"
#include "CHistoryCommand.h"

#include <memory>

int main(int argc, char** argv)
{
    CCommandLine line;
    line.Add(std::make_unique<CHistoryCommand>(), CHistoryCommand::kText.description);
    return line.Run(argc, argv);
}

// qx-sendora-cli-plot: size of files none of which is a PDF or PostScript,
// handed over by qx-sendora-cli; loads libtiff for the sizes of TIFF and
// CALS files.
#include "CCommandLine.h"
#include "CSizeCommand.h"

#include <memory>

int main(int argc, char** argv)
{
    CCommandLine line;
    line.Add(std::make_unique<CSizeCommand>(), CSizeCommand::kText.description);
    return line.Run(argc, argv);
}

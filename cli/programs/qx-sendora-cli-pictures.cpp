// qx-sendora-cli-pictures: preview, and size when a FILE is a PDF or
// PostScript, handed over by qx-sendora-cli; the one program of the command
// line that loads Qt GUI and Poppler.
#include "CCommandLine.h"
#include "CGhostscriptSizeSource.h"
#include "CPdfSizeSource.h"
#include "CPreviewCommand.h"
#include "CSizeCommand.h"

#include <memory>

namespace {
void InstallPictureReaders(CPlotSizeReader& reader)
{
    CPdfSizeSource::Install(reader);
    CGhostscriptSizeSource::Install(reader);
}
}

int main(int argc, char** argv)
{
    CCommandLine line;
    line.Add(std::make_unique<CSizeCommand>(&InstallPictureReaders), CSizeCommand::kText.description);
    line.Add(std::make_unique<CPreviewCommand>(), CPreviewCommand::kText.description);
    return line.Run(argc, argv);
}

#pragma once

#include "ICommand.h"

class CFormatTable;
class CPlotSizeReader;

// size FILE...: one line a file, its fields separated by tabs: the file,
// its data format, "W x H mm (SHEET)" or "-" where the format has no size,
// and the page count; a file that cannot be read gets "-" for both and a
// fifth field saying why, and the command fails.
class CSizeCommand : public ICommand {
public:
    static constexpr CommandText kText{
        "size", "size FILE...",
        "print each FILE's data format, drawing size and page count; fails for a file it cannot read"};

    // Plugs in the readers that need the picture libraries: PDF's, and
    // Ghostscript's for PostScript without a bounding box comment.
    using SourceInstaller = void (*)(CPlotSizeReader& reader);

    // Only the program that links the picture libraries passes them;
    // elsewhere PDF has no reader and PostScript only its comment.
    explicit CSizeCommand(SourceInstaller installPictureReaders = nullptr);

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;

private:
    // False when the file could not be read.
    static bool PrintSize(const std::string& file, const CFormatTable& table, const CPlotSizeReader& reader);

    SourceInstaller m_installPictureReaders;
};

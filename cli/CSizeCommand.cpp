#include "CSizeCommand.h"

#include "CArguments.h"
#include "CContentRecogniser.h"
#include "CFormatTable.h"
#include "COneLine.h"
#include "CPlotSizeReader.h"
#include "CReadableFile.h"

#include <algorithm>
#include <iostream>

CSizeCommand::CSizeCommand(SourceInstaller installPictureReaders)
    : m_installPictureReaders(installPictureReaders)
{
}

int CSizeCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {});
    if (arguments.Operands().empty())
        arguments.Fail("size needs at least one FILE");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    const CFormatTable table = CFormatTable::Load();
    CPlotSizeReader reader;
    if (m_installPictureReaders)
        m_installPictureReaders(reader);
    bool allRead = true;
    for (const auto& file : arguments.Operands())
        allRead = PrintSize(file, table, reader) && allRead;
    return allRead ? kExitOk : kExitFailed;
}

bool CSizeCommand::PrintSize(const std::string& file, const CFormatTable& table, const CPlotSizeReader& reader)
{
    const std::string& format = table.FormatOf(file);
    std::cout << COneLine::Escape(file) << '\t' << format << '\t';
    PlotSizeResult read{{}, CReadableFile::WhyNot(file)};
    if (read.Ok())
        read = reader.Read(file, CContentRecogniser::NamedOrRecognised(format, file));
    if (!read.Ok()) {
        std::cout << "-\t-\t" << COneLine::Escape(CReadableFile::CannotRead(read.failure)) << '\n';
        return false;
    }
    // The page count has a field of its own.
    const CPlotSize onePage(read.size.WidthMm(), read.size.HeightMm());
    std::cout << onePage.FormatAscii() << '\t' << std::max(1, read.size.Pages()) << '\n';
    return true;
}

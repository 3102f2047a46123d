#include "CPreviewCommand.h"

#include "CArguments.h"
#include "CContentRecogniser.h"
#include "CFormatTable.h"
#include "CPlotRenderer.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <iostream>

int CPreviewCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {"-o", "--width"}, {});
    const auto width = arguments.Number("--width", CPreviewSize::kMinWidth, CPreviewSize::kMaxSide,
                                        CPreviewSize::kDefaultWidth);
    const auto output = arguments.Value("-o");
    if (arguments.Operands().size() != 1)
        arguments.Fail("preview takes one FILE");
    else if (!output)
        arguments.Fail("-o PNG is required");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    return Render(arguments.Operands().front(), *output, *width);
}

// Labels need fonts, and fonts a QGuiApplication; without a display it
// runs on the offscreen platform. Qt's own notes (no runtime folder, ...)
// would only clutter standard error, where the one failure is reported.
int CPreviewCommand::Render(const std::string& file, const std::string& output, int width)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "qx-sendora-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    const PlotFormat format = CContentRecogniser::NamedOrRecognised(CFormatTable::Load().FormatOf(file), file);
    const CPreviewResult result = CPlotRenderer().Render(file, format, width);
    std::string error = result.Message();
    if (result.IsRendered() && Write(result.Image(), output, error))
        return kExitOk;
    std::cerr << "qx-sendora-cli: " << (result.IsRendered() ? output : file) << ": " << error << '\n';
    return kExitFailed;
}

// Through a temporary file, so that a failed write leaves no half picture.
bool CPreviewCommand::Write(const QImage& image, const std::string& output, std::string& error)
{
    QSaveFile file(QString::fromStdString(output));
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return true;
    error = "cannot write the picture: " + file.errorString().toStdString();
    return false;
}

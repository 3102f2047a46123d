#include "CGhostscript.h"

#include "CPreviewSize.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <utility>

namespace {
// Without a bounding box: an A4 page's width, the most common paper.
constexpr double kFallbackWidthPoints = 595.0;
constexpr int kPollMilliseconds = 50;
constexpr qsizetype kMaxOutputBytes = 64 * 1024;

QStringList CommonArguments(const QString& device)
{
    return {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=" + device, "-dFirstPage=1", "-dLastPage=1"};
}

// "-c showpage" after the file ends a page that the file leaves open (an
// EPS without showpage); a file that ends its own page has drawn page 1
// already, and the extra page is past the last one asked for.
QStringList WithFile(QStringList arguments, const std::string& path)
{
    // -f: a file name that begins with "-" is still a file.
    return arguments << "-f" << QString::fromStdString(path) << "-c" << "showpage";
}

QStringList RenderArguments(const std::string& path, bool crop, double dpi, const QString& output)
{
    QString outputFile = output;
    // Ghostscript reads "%d" in the output name as the page number.
    outputFile.replace('%', "%%");
    QStringList arguments = CommonArguments("pnggray");
    arguments << "-r" + QString::number(dpi, 'f', 3) << "-dTextAlphaBits=4" << "-dGraphicsAlphaBits=4"
              << "-sOutputFile=" + outputFile;
    if (crop)
        arguments << "-dEPSCrop";
    return WithFile(arguments, path);
}

QImage Fitted(const QImage& image, int width)
{
    const auto size = CPreviewSize::Fit(image.width(), image.height(), width);
    QImage fitted = size && image.size() != *size
                        ? image.scaled(*size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        : image;
    return fitted.convertToFormat(QImage::Format_Grayscale8);
}
}

CGhostscript::CGhostscript(std::string program, std::chrono::milliseconds timeLimit)
    : m_program(std::move(program)), m_timeLimit(timeLimit)
{
}

CPreviewResult CGhostscript::Render(const std::string& path, const std::optional<QSizeF>& boundingBox, int width,
                                    std::stop_token stop) const
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return CPreviewResult::Failed("cannot render: no temporary folder");
    const bool crop = boundingBox && boundingBox->width() > 0 && boundingBox->height() > 0;
    double dpi = 72.0 * width / (crop ? boundingBox->width() : kFallbackWidthPoints);
    // A narrow, tall page stays within the picture's largest height.
    if (crop)
        dpi = std::min(dpi, 72.0 * CPreviewSize::kMaxSide / boundingBox->height());
    const QString output = folder.filePath("page.png");
    const Outcome outcome = RunProgram(RenderArguments(path, crop, dpi, output), stop);
    if (outcome.run == Run::Missing)
        return CPreviewResult::NoPreview("no preview: Ghostscript (gs) is not installed");
    if (outcome.run == Run::Stopped)
        return CPreviewResult::Cancelled();
    if (outcome.run != Run::Finished)
        return CPreviewResult::Failed(WhyFailed(outcome, "render"));
    const QImage page(output);
    if (page.isNull())
        return CPreviewResult::Failed("cannot render: Ghostscript drew no page");
    return CPreviewResult::Rendered(Fitted(page, width));
}

std::optional<QRectF> CGhostscript::MeasureBoundingBox(const std::string& path, std::string& error,
                                                       std::stop_token stop) const
{
    const Outcome outcome = RunProgram(WithFile(CommonArguments("bbox"), path), stop);
    if (outcome.run == Run::Missing) {
        error = "Ghostscript (gs) is not installed";
        return std::nullopt;
    }
    if (outcome.run != Run::Finished) {
        error = WhyFailed(outcome, "measure");
        return std::nullopt;
    }
    static const QRegularExpression box(
        R"(%%HiResBoundingBox:\s*([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+))");
    const QRegularExpressionMatch match = box.match(QString::fromStdString(outcome.output));
    const QRectF measured = match.hasMatch() ? QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                                      QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))
                                             : QRectF();
    if (measured.width() <= 0 || measured.height() <= 0) {
        error = "page 1 of the PostScript file draws nothing";
        return std::nullopt;
    }
    return measured;
}

// What went wrong in the user's words first, Ghostscript's own first
// complaint after it.
std::string CGhostscript::WhyFailed(const Outcome& outcome, const std::string& task) const
{
    if (outcome.run == Run::TimedOut)
        return "cannot " + task + ": Ghostscript took longer than " + std::to_string(m_timeLimit.count() / 1000) + " s";
    std::string detail;
    for (const QString& line : QString::fromStdString(outcome.output).split('\n', Qt::SkipEmptyParts))
        if (line.contains("Error") || line.contains("error")) {
            detail = line.trimmed().toStdString();
            break;
        }
    return "cannot " + task + ": Ghostscript failed on the PostScript file" + (detail.empty() ? "" : " (" + detail + ")");
}

CGhostscript::Outcome CGhostscript::RunProgram(const QStringList& arguments, std::stop_token stop) const
{
    const QString executable = QStandardPaths::findExecutable(QString::fromStdString(m_program));
    if (executable.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setChildProcessModifier([] {
        const rlimit limit{kMemoryLimitBytes, kMemoryLimitBytes};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(executable, arguments);
    if (!process.waitForStarted())
        return {Run::Failed, {}};
    QByteArray output;
    const QDeadlineTimer deadline(m_timeLimit.count());
    while (!process.waitForFinished(kPollMilliseconds) && process.state() != QProcess::NotRunning) {
        output += process.readAll().left(kMaxOutputBytes - output.size());
        if (stop.stop_requested() || deadline.hasExpired()) {
            process.kill();
            process.waitForFinished();
            return {stop.stop_requested() ? Run::Stopped : Run::TimedOut, output.toStdString()};
        }
    }
    output += process.readAll().left(kMaxOutputBytes - output.size());
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok ? Run::Finished : Run::Failed, output.toStdString()};
}

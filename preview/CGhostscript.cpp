#include "CGhostscript.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <utility>

namespace {
// Without a bounding box: an A4 page's width, the most common paper.
constexpr double kFallbackWidthPoints = 595.0;
constexpr int kPollMilliseconds = 50;

QStringList ArgumentsFor(const std::string& path, bool crop, double dpi, const QString& output)
{
    QString outputFile = output;
    // Ghostscript reads "%d" in the output name as the page number.
    outputFile.replace('%', "%%");
    QStringList arguments{"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray",
                          "-r" + QString::number(dpi, 'f', 3), "-dFirstPage=1", "-dLastPage=1",
                          "-dTextAlphaBits=4", "-dGraphicsAlphaBits=4", "-sOutputFile=" + outputFile};
    if (crop)
        arguments << "-dEPSCrop";
    // -f: a file name that begins with "-" is still a file.
    return arguments << "-f" << QString::fromStdString(path);
}

QImage ToWidth(QImage image, int width)
{
    if (image.width() != width)
        image = image.scaledToWidth(width, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_Grayscale8);
}
}

CGhostscript::CGhostscript(std::string program, std::chrono::milliseconds timeLimit)
    : m_program(std::move(program)), m_timeLimit(timeLimit)
{
}

CPreviewResult CGhostscript::Render(const std::string& path, const std::optional<QSizeF>& boundingBox, int width,
                                    std::stop_token stop) const
{
    const QString executable = QStandardPaths::findExecutable(QString::fromStdString(m_program));
    if (executable.isEmpty())
        return CPreviewResult::NoPreview("no preview: Ghostscript (gs) is not installed");
    QTemporaryDir folder;
    if (!folder.isValid())
        return CPreviewResult::Failed("cannot render: no temporary folder");
    const bool crop = boundingBox && boundingBox->width() > 0 && boundingBox->height() > 0;
    const double dpi = 72.0 * width / (crop ? boundingBox->width() : kFallbackWidthPoints);
    const QString output = folder.filePath("page.png");
    switch (RunProgram(executable.toStdString(), ArgumentsFor(path, crop, dpi, output), stop)) {
    case Run::Stopped:
        return CPreviewResult::Cancelled();
    case Run::TimedOut:
        return CPreviewResult::Failed("cannot render: Ghostscript took longer than " +
                                      std::to_string(m_timeLimit.count() / 1000) + " s");
    case Run::Failed:
        return CPreviewResult::Failed("cannot read: damaged PostScript file");
    case Run::Finished:
        break;
    }
    const QImage page(output);
    if (page.isNull())
        return CPreviewResult::Failed("cannot read: damaged PostScript file");
    return CPreviewResult::Rendered(ToWidth(page, width));
}

CGhostscript::Run CGhostscript::RunProgram(const std::string& executable, const QStringList& arguments,
                                           std::stop_token stop) const
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QString::fromStdString(executable), arguments);
    if (!process.waitForStarted())
        return Run::Failed;
    const QDeadlineTimer deadline(m_timeLimit.count());
    while (!process.waitForFinished(kPollMilliseconds)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (stop.stop_requested() || deadline.hasExpired()) {
            process.kill();
            process.waitForFinished();
            return stop.stop_requested() ? Run::Stopped : Run::TimedOut;
        }
    }
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? Run::Finished : Run::Failed;
}

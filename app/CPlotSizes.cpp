#include "CPlotSizes.h"

#include "CGhostscriptSizeSource.h"
#include "CPdfSizeSource.h"
#include "CPlotSizeReader.h"
#include "PlotFormat.h"

#include <QFileInfo>
#include <QMetaObject>

#include <memory>

namespace {
// Reading is mostly waiting for the disk; two threads keep the list in
// order without starving the preview.
constexpr int kReadThreads = 2;

bool HasSizes(PlotFormat format)
{
    return format != PlotFormat::Cgm && format != PlotFormat::Mgl && format != PlotFormat::MvNative &&
           format != PlotFormat::Unknown;
}

CPlotSizes::Reader CoreReader()
{
    auto reader = std::make_shared<CPlotSizeReader>();
    CPdfSizeSource::Install(*reader);
    CGhostscriptSizeSource::Install(*reader);
    return [reader = std::shared_ptr<const CPlotSizeReader>(std::move(reader))](const std::string& path,
                                                                                const std::string& formatName) {
        return reader->Read(path, formatName);
    };
}
}

CPlotSizes::CPlotSizes(QObject* parent)
    : QObject(parent)
    , m_reader(CoreReader())
{
    m_pool.setMaxThreadCount(kReadThreads);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CPlotSizes::OnFileChanged);
}

CPlotSizes::~CPlotSizes()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void CPlotSizes::SetReader(Reader reader)
{
    m_reader = std::move(reader);
}

std::string CPlotSizes::KeyOf(const std::string& path, const std::string& formatName)
{
    return formatName + '\n' + path;
}

void CPlotSizes::Request(const std::string& path, const std::string& formatName)
{
    const std::string key = KeyOf(path, formatName);
    if (m_sizes.contains(key))
        return;
    if (!HasSizes(PlotFormatOf(formatName))) {
        m_sizes.emplace(key, PlotSizeResult{});
        return;
    }
    m_sizes.emplace(key, std::nullopt);
    m_watcher.addPath(QString::fromStdString(path));
    m_pool.start([this, key, path, formatName, reader = m_reader] {
        PlotSizeResult result = reader(path, formatName);
        QMetaObject::invokeMethod(
            this, [this, key, result = std::move(result)]() mutable { Store(key, std::move(result)); },
            Qt::QueuedConnection);
    });
}

const PlotSizeResult* CPlotSizes::Find(const std::string& path, const std::string& formatName) const
{
    const auto found = m_sizes.find(KeyOf(path, formatName));
    return found != m_sizes.end() && found->second ? &*found->second : nullptr;
}

// Sizes arriving together are told once, so that a thousand small files
// repaint the list a few times, not a thousand.
// A read of a file that changed meanwhile is dropped: the file is read again.
void CPlotSizes::Store(const std::string& key, PlotSizeResult result)
{
    const auto asked = m_sizes.find(key);
    if (asked == m_sizes.end())
        return;
    asked->second = std::move(result);
    SignalArrival();
}

void CPlotSizes::OnFileChanged(const QString& path)
{
    const std::string suffix = '\n' + path.toStdString();
    std::erase_if(m_sizes, [&suffix](const auto& entry) { return entry.first.ends_with(suffix); });
    // A file saved by replacing it is a new file to watch.
    if (QFileInfo::exists(path))
        m_watcher.addPath(path);
    SignalArrival();
}

void CPlotSizes::SignalArrival()
{
    if (m_arrivalSignalled)
        return;
    m_arrivalSignalled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_arrivalSignalled = false;
            emit SizesArrived();
        },
        Qt::QueuedConnection);
}

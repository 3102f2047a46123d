#pragma once

#include "IPlotSizeSource.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

// The sizes of the print list's files, read on worker threads in the order
// asked for; a size arrives on the owner's thread and is kept per path and
// data format until the file changes or goes. Formats without sizes are
// never read.
class CPlotSizes : public QObject {
    Q_OBJECT

public:
    using Reader = std::function<PlotSizeResult(const std::string& path, const std::string& formatName)>;

    explicit CPlotSizes(QObject* parent = nullptr);
    // Drops what has not started and waits for the reads that have.
    ~CPlotSizes() override;

    // The core's reader with PDF added, unless replaced; it runs on several
    // threads at once.
    void SetReader(Reader reader);
    // Queued behind the earlier requests, unless known or queued already.
    void Request(const std::string& path, const std::string& formatName);
    // Null while not read yet.
    const PlotSizeResult* Find(const std::string& path, const std::string& formatName) const;

signals:
    // One or more sizes arrived, or were dropped, since the last time.
    void SizesArrived();

private:
    static std::string KeyOf(const std::string& path, const std::string& formatName);
    void Store(const std::string& key, PlotSizeResult result);
    // Forgets the file's sizes, so that the next look reads it again.
    void OnFileChanged(const QString& path);
    void SignalArrival();

    Reader m_reader;
    // Nothing for a key being read.
    std::unordered_map<std::string, std::optional<PlotSizeResult>> m_sizes;
    bool m_arrivalSignalled = false;
    QThreadPool m_pool;
    QFileSystemWatcher m_watcher;
};

#pragma once

#include "CPreviewResult.h"

#include <QRectF>
#include <QSizeF>

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>

// Page 1 of a PostScript file drawn, or measured, by Ghostscript, run as a
// process of its own (-dSAFER) within a time and a memory limit and killed
// on a stop request.
class CGhostscript {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{30000};
    static constexpr unsigned long long kMemoryLimitBytes = 2ull << 30;

    // program: a name looked up in PATH, or a path.
    explicit CGhostscript(std::string program = "gs", std::chrono::milliseconds timeLimit = kDefaultTimeLimit);

    // The bounding box (in points) crops the page to the drawing; without
    // one the whole page is drawn. A picture width pixels wide (narrower
    // for a page too tall for that), or "no preview" when Ghostscript is
    // not installed. An EPS file that never calls showpage is drawn too.
    CPreviewResult Render(const std::string& path, const std::optional<QSizeF>& boundingBox, int width,
                          std::stop_token stop) const;

    // What page 1 draws, in points, as Ghostscript's bbox device measures
    // it; nothing and the reason when it cannot.
    std::optional<QRectF> MeasureBoundingBox(const std::string& path, std::string& error,
                                             std::stop_token stop = {}) const;

private:
    enum class Run { Finished, Failed, TimedOut, Stopped, Missing };
    struct Outcome {
        Run run = Run::Missing;
        std::string output;  // standard output and error, cut short
    };

    Outcome RunProgram(const QStringList& arguments, std::stop_token stop) const;
    // task: what Ghostscript was to do ("render", "measure").
    std::string WhyFailed(const Outcome& outcome, const std::string& task) const;

    std::string m_program;
    std::chrono::milliseconds m_timeLimit;
};

#pragma once

#include "CPreviewResult.h"

#include <QSizeF>

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>

// Page 1 of a PostScript file drawn by Ghostscript, run as a process of
// its own (-dSAFER) with a time limit and killed on a stop request.
class CGhostscript {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{30000};

    // program: a name looked up in PATH, or a path.
    explicit CGhostscript(std::string program = "gs", std::chrono::milliseconds timeLimit = kDefaultTimeLimit);

    // The bounding box (in points) crops the page to the drawing; without
    // one the whole page is drawn. A picture width pixels wide, or "no
    // preview" when Ghostscript is not installed.
    CPreviewResult Render(const std::string& path, const std::optional<QSizeF>& boundingBox, int width,
                          std::stop_token stop) const;

private:
    enum class Run { Finished, Failed, TimedOut, Stopped };

    Run RunProgram(const std::string& executable, const QStringList& arguments, std::stop_token stop) const;

    std::string m_program;
    std::chrono::milliseconds m_timeLimit;
};

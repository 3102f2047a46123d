#pragma once

#include "CGhostscript.h"
#include "CPreviewResult.h"
#include "CPreviewSize.h"
#include "PlotFormat.h"

#include <stop_token>
#include <string>

// Renders page 1 of a plot file into a picture of the width asked for,
// the height from its aspect ratio, on white: HP-GL in black, PDF through
// Poppler, TIFF and CALS downsampled by the core, PostScript through
// Ghostscript. CGM, MGL and MVNATIVE give "no preview".
//
// Render is const and shares nothing between calls, so one renderer serves
// several threads at once; a stop request ends a call early with a
// cancelled result.
class CPlotRenderer {
public:
    explicit CPlotRenderer(CGhostscript ghostscript = CGhostscript());

    // formatName as the extension configuration names it ("HPGL", "PDF").
    CPreviewResult Render(const std::string& path, const std::string& formatName,
                          int width = CPreviewSize::kDefaultWidth, std::stop_token stop = {}) const;
    CPreviewResult Render(const std::string& path, PlotFormat format, int width = CPreviewSize::kDefaultWidth,
                          std::stop_token stop = {}) const;

private:
    CPreviewResult Dispatch(const std::string& path, PlotFormat format, int width, std::stop_token stop) const;
    static CPreviewResult RenderHpgl(const std::string& path, int width, std::stop_token stop);
    static CPreviewResult RenderRaster(const std::string& path, PlotFormat format, int width);
    static CPreviewResult RenderPdf(const std::string& path, int width, std::stop_token stop);
    CPreviewResult RenderPostScript(const std::string& path, int width, std::stop_token stop) const;

    CGhostscript m_ghostscript;
};

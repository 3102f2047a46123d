#pragma once

#include "CHpglParser.h"
#include "IPlotSizeSource.h"

// The size of an HP-GL plot: the page PS sets, else what it draws.
class CHpglSizeSource : public IPlotSizeSource {
public:
    explicit CHpglSizeSource(const CHpglParser::Limits& limits = {}) : m_parser(limits) {}
    PlotSizeResult ReadSize(const std::string& path) const override;

private:
    CHpglParser m_parser;
};

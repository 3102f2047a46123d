#pragma once

#include "CHpglLabeler.h"
#include "CHpglParser.h"
#include "CHpglRasterFills.h"
#include "CHpglScanner.h"
#include "CHpglShapes.h"
#include "CHpglStroker.h"
#include "CHpglTransform.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

// Carries out the commands of one HP-GL file on a drawing, keeping the pen
// position in plotter units of the turned coordinate system.
class CHpglInterpreter {
public:
    CHpglInterpreter(CByteReader& reader, const CHpglParser::Limits& limits);

    HpglParseResult Run();

private:
    bool Execute(unsigned command);
    bool Motion(unsigned command);
    bool Shape(unsigned command);
    bool Setup(unsigned command);
    bool Style(unsigned command);
    void Reset(bool initialize);
    void Moves();
    void MoveBy(double x, double y, bool relative, bool down);
    void EncodedPolyline();
    void SelectPen(double pen);
    void PenWidth();
    void SetPage();
    double DiagonalShare(double percent) const;
    void LineType();
    void FillType();
    void InputWindow();
    void Arc(bool relative);
    void Rectangle(bool relative, bool filled);
    void Wedge(bool filled);
    int Parameters(double* values, int max);
    bool WithinLimits();
    void AdvancePage();
    void FinishPage(CHpglDrawing& drawing) const;
    void Finish();

    CByteReader& m_reader;
    CHpglScanner m_scanner;
    CHpglParser::Limits m_limits;
    HpglParseResult m_result;
    CHpglTransform m_transform;
    CHpglStroker m_stroker;
    CHpglShapes m_shapes;
    CHpglLabeler m_labeler;
    CHpglRasterFills m_rasterFills;
    double m_x = 0;
    double m_y = 0;
    bool m_penDown = false;
    bool m_relative = false;
    std::uint16_t m_pen = 1;
    std::array<float, 256> m_widthsMm{};
    bool m_relativeWidths = false;
    std::optional<CHpglDrawing> m_firstPage;
    int m_pages = 0;
    std::size_t m_commands = 0;
    std::uint64_t m_work = 0;
    std::chrono::steady_clock::time_point m_start;
};

#include "CHpglInterpreter.h"

#include "CHpglEncodedValues.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr unsigned Code(const char (&name)[3])
{
    return static_cast<unsigned>(name[0]) << 8 | static_cast<unsigned>(name[1]);
}

constexpr float kDefaultWidthMm = 0.35f;
constexpr double kMaxWidthMm = 1000;
constexpr double kMaxCoordinate = 1e9;
// How much work passes between two looks at the clock.
constexpr std::uint64_t kClockInterval = 1 << 14;
constexpr int kMaxFractionBits = 26;

double Bounded(double value)
{
    return std::clamp(value, -kMaxCoordinate, kMaxCoordinate);
}
}

CHpglInterpreter::CHpglInterpreter(CByteReader& reader, const CHpglParser::Limits& limits)
    : m_reader(reader)
    , m_scanner(reader)
    , m_limits(limits)
    , m_stroker(m_result.drawing, limits.maxPoints)
    , m_shapes(m_transform, m_stroker, limits.maxArcSegments)
    , m_labeler(m_result.drawing, m_transform)
{
    Reset(true);
}

HpglParseResult CHpglInterpreter::Run()
{
    m_start = std::chrono::steady_clock::now();
    while (const unsigned command = m_scanner.NextCommand()) {
        if (Execute(command))
            ++m_commands;
        else
            m_scanner.SkipParameters();
        if (!WithinLimits())
            break;
    }
    Finish();
    return std::move(m_result);
}

bool CHpglInterpreter::Execute(unsigned command)
{
    return Motion(command) || Shape(command) || Setup(command) || Style(command);
}

bool CHpglInterpreter::Motion(unsigned command)
{
    switch (command) {
    case Code("PU"): m_penDown = false; break;
    case Code("PD"): m_penDown = true; break;
    case Code("PA"): m_relative = false; break;
    case Code("PR"): m_relative = true; break;
    case Code("PE"): EncodedPolyline(); return true;
    default: return false;
    }
    Moves();
    return true;
}

bool CHpglInterpreter::Shape(unsigned command)
{
    double values[2] = {};
    switch (command) {
    case Code("AA"): Arc(false); break;
    case Code("AR"): Arc(true); break;
    case Code("CI"):
        if (Parameters(values, 2) >= 1)
            m_shapes.Circle(m_x, m_y, values[0]);
        break;
    case Code("EA"): Rectangle(false, false); break;
    case Code("ER"): Rectangle(true, false); break;
    case Code("RA"): Rectangle(false, true); break;
    case Code("RR"): Rectangle(true, true); break;
    case Code("EW"): Wedge(false); break;
    case Code("WG"): Wedge(true); break;
    case Code("PM"):
        Parameters(values, 1);
        if (values[0] == 1)
            m_stroker.CloseSubpolygon(m_penDown);
        else if (values[0] == 2)
            m_stroker.EndPolygon(m_penDown);
        else
            m_stroker.BeginPolygon();
        break;
    case Code("EP"): m_stroker.EdgePolygon(); break;
    case Code("FP"):
        m_stroker.SetNonZeroFill(Parameters(values, 2) >= 1 && values[0] == 1);
        m_stroker.FillPolygon();
        break;
    default: return false;
    }
    return true;
}

bool CHpglInterpreter::Setup(unsigned command)
{
    double values[7] = {};
    switch (command) {
    case Code("IN"): Parameters(values, 1); Reset(true); break;
    case Code("DF"): Reset(false); break;
    case Code("PS"): SetPage(); break;
    case Code("PG"):
    case Code("AF"): Parameters(values, 1); AdvancePage(); break;
    case Code("IP"): m_transform.SetScalingPoints(values, Parameters(values, 4)); break;
    case Code("IR"): m_transform.SetRelativeScalingPoints(values, Parameters(values, 4)); break;
    case Code("SC"): m_transform.SetScale(values, Parameters(values, 7)); break;
    case Code("RO"):
        Parameters(values, 1);
        m_transform.SetRotation(static_cast<int>(std::lround(values[0] / 90) % 4));
        break;
    default: return false;
    }
    m_stroker.MoveTo(m_transform.ToPage(m_x, m_y));
    return true;
}

bool CHpglInterpreter::Style(unsigned command)
{
    double values[3] = {};
    switch (command) {
    case Code("SP"): Parameters(values, 1); SelectPen(values[0]); break;
    case Code("PW"): PenWidth(); break;
    case Code("WU"):
        m_relativeWidths = Parameters(values, 1) == 1 && values[0] == 1;
        m_widthsMm.fill(kDefaultWidthMm);
        break;
    case Code("LT"): LineType(); break;
    case Code("FT"): FillType(); break;
    case Code("RF"): m_rasterFills.Define(m_scanner); break;
    case Code("IW"): InputWindow(); break;
    case Code("LB"):
        m_labeler.Label(m_scanner, m_x, m_y, m_pen);
        m_stroker.MoveTo(m_transform.ToPage(m_x, m_y));
        break;
    case Code("DT"): m_labeler.SetTerminator(m_scanner); break;
    case Code("SM"): m_labeler.SetSymbol(m_scanner); break;
    case Code("SI"): m_labeler.SetSize(values, Parameters(values, 2), false); break;
    case Code("SR"): m_labeler.SetSize(values, Parameters(values, 2), true); break;
    case Code("DI"): m_labeler.SetDirection(values, Parameters(values, 2), false); break;
    case Code("DR"): m_labeler.SetDirection(values, Parameters(values, 2), true); break;
    default: return false;
    }
    return true;
}

void CHpglInterpreter::Reset(bool initialize)
{
    m_labeler.Reset();
    m_stroker.EndPolygon(true);
    m_transform.SetScale(nullptr, 0);
    if (!initialize)
        return;
    m_transform.Reset();
    m_stroker.Clipper().Clear();
    m_stroker.SetFill({});
    m_rasterFills.Clear();
    m_stroker.SetDashes({});
    m_widthsMm.fill(kDefaultWidthMm);
    m_relativeWidths = false;
    m_penDown = m_relative = false;
    m_x = m_y = 0;
    SelectPen(m_pen);
    m_stroker.MoveTo(m_transform.ToPage(m_x, m_y));
}

int CHpglInterpreter::Parameters(double* values, int max)
{
    int count = 0;
    for (double value = 0; m_scanner.Number(value);)
        if (count < max)
            values[count++] = value;
    return count;
}

void CHpglInterpreter::Moves()
{
    double x = 0, y = 0;
    while (m_scanner.Number(x) && m_scanner.Number(y) && WithinLimits())
        MoveBy(x, y, m_relative, m_penDown);
}

void CHpglInterpreter::MoveBy(double x, double y, bool relative, bool down)
{
    m_x = Bounded(relative ? m_x + x * m_transform.ScaleX() : m_transform.ToPlotterX(x));
    m_y = Bounded(relative ? m_y + y * m_transform.ScaleY() : m_transform.ToPlotterY(y));
    const PlotPoint to = m_transform.ToPage(m_x, m_y);
    if (down)
        m_stroker.LineTo(to);
    else
        m_stroker.MoveTo(to);
    if (m_labeler.HasSymbol() && m_pen != 0) {
        m_stroker.Break();
        m_labeler.MarkPoint(m_x, m_y, m_pen);
    }
}

void CHpglInterpreter::EncodedPolyline()
{
    CHpglEncodedValues values(m_reader);
    bool up = false, absolute = false;
    double unit = 1;
    std::int64_t a = 0, b = 0;
    for (int flag = values.Next(); flag != CHpglEncodedValues::kEnd && WithinLimits(); flag = values.Next()) {
        if (flag == ':' && values.Number(a)) {
            SelectPen(static_cast<double>(a));
        } else if (flag == '>' && values.Number(a)) {
            unit = std::ldexp(1.0, -static_cast<int>(std::clamp<std::int64_t>(a, -kMaxFractionBits, kMaxFractionBits)));
        } else if (flag == '<' || flag == '=') {
            up = up || flag == '<';
            absolute = absolute || flag == '=';
        } else if (flag == CHpglEncodedValues::kNumber && values.Number(a) && values.Number(b)) {
            MoveBy(static_cast<double>(a) * unit, static_cast<double>(b) * unit, !absolute, !up);
            up = absolute = false;
        }
    }
}

void CHpglInterpreter::SelectPen(double pen)
{
    m_pen = static_cast<std::uint16_t>(std::clamp(std::lround(std::clamp(pen, -1.0, 1e6)), 0L, 255L));
    m_stroker.SetPen(m_pen, m_widthsMm[m_pen]);
}

void CHpglInterpreter::PenWidth()
{
    double values[2] = {};
    const int count = Parameters(values, 2);
    double width = count >= 1 ? values[0] : (m_relativeWidths ? 0.1 : kDefaultWidthMm);
    if (m_relativeWidths) {
        // A relative width is a share of the diagonal between P1 and P2.
        const double diagonal = std::hypot(m_transform.ScalingWidth(), m_transform.ScalingHeight());
        width = width / 100 * diagonal * CHpglDrawing::kMmPerUnit;
    }
    const auto widthMm = static_cast<float>(std::clamp(width, 0.0, kMaxWidthMm));
    if (count >= 2 && values[1] >= 0 && values[1] < static_cast<double>(m_widthsMm.size()))
        m_widthsMm[static_cast<std::size_t>(values[1])] = widthMm;
    else if (count < 2)
        m_widthsMm.fill(widthMm);
    SelectPen(m_pen);
}

// The share of the diagonal between P1 and P2 that sizes patterns.
double CHpglInterpreter::DiagonalShare(double percent) const
{
    return percent / 100 * std::hypot(m_transform.ScalingWidth(), m_transform.ScalingHeight());
}

void CHpglInterpreter::LineType()
{
    // Dashes and gaps in percent of the pattern, dashes first.
    static const std::vector<double> kPatterns[] = {
        {}, {0, 100}, {50, 50}, {70, 30}, {80, 10, 0, 10}, {70, 10, 10, 10}, {50, 10, 10, 10, 10, 10},
        {70, 10, 0, 10, 0, 10}, {50, 10, 0, 10, 10, 10, 0, 10}};
    double values[3] = {};
    const int count = Parameters(values, 3);
    const double type = std::abs(values[0]);
    CHpglStroker::Dashes dashes;
    if (count >= 1 && type == std::floor(type) && type <= 8) {
        constexpr double kDefaultPercent = 4;
        double length = count >= 2 && values[1] > 0 ? values[1] : kDefaultPercent;
        length = count >= 3 && values[2] == 1 ? length / CHpglDrawing::kMmPerUnit : DiagonalShare(length);
        for (const double share : kPatterns[static_cast<int>(type)])
            dashes.lengths.push_back(share / 100 * length);
        dashes.adaptive = values[0] < 0;
        dashes.endDots = type == 0;
    }
    m_stroker.SetDashes(std::move(dashes));
}

void CHpglInterpreter::FillType()
{
    double values[3] = {};
    const int count = Parameters(values, 3);
    CHpglStroker::Fill fill;
    fill.type = count >= 1 ? static_cast<int>(values[0]) : 1;
    // Hatch spacing in user units along x; by default 1 % of the diagonal.
    fill.spacing = count >= 2 && values[1] > 0 ? values[1] * std::abs(m_transform.ScaleX()) : DiagonalShare(1);
    fill.angleDegrees = count >= 3 ? values[2] : 0;
    fill.level = count >= 2 ? values[1] : 100;
    fill.pattern = fill.type == 11 && count >= 2 ? m_rasterFills.Find(values[1]) : nullptr;
    m_stroker.SetFill(fill);
}

// IW in user units; the window then stays where it is on the page.
void CHpglInterpreter::InputWindow()
{
    double values[4] = {};
    if (Parameters(values, 4) < 4)
        return m_stroker.Clipper().Clear();
    PlotBox window;
    window.Add(m_transform.ToPage(m_transform.ToPlotterX(values[0]), m_transform.ToPlotterY(values[1])));
    window.Add(m_transform.ToPage(m_transform.ToPlotterX(values[2]), m_transform.ToPlotterY(values[3])));
    m_stroker.Clipper().SetWindow(window);
}

void CHpglInterpreter::SetPage()
{
    double values[2] = {};
    const int count = Parameters(values, 2);
    // Without a width the plotter takes its media's, which the file does not
    // tell. The length alone makes a square page: writers that leave the
    // width out (GNU plotutils) lay their drawing in a square no larger than
    // the length, so the page holds it, and RO and IR turn and measure it
    // from the first command on, which a width guessed from what is drawn
    // later could not give.
    const double width = count >= 2 ? values[1] : values[0];
    if (count >= 1 && values[0] > 0 && width > 0)
        m_transform.SetPage(values[0], width);
}

void CHpglInterpreter::Arc(bool relative)
{
    double values[4] = {};
    if (Parameters(values, 4) < 3)
        return;
    const double centerX = relative ? m_x + values[0] * m_transform.ScaleX() : m_transform.ToPlotterX(values[0]);
    const double centerY = relative ? m_y + values[1] * m_transform.ScaleY() : m_transform.ToPlotterY(values[1]);
    m_shapes.Arc(Bounded(centerX), Bounded(centerY), m_x, m_y, values[2], m_penDown);
}

void CHpglInterpreter::Rectangle(bool relative, bool filled)
{
    double values[2] = {};
    if (Parameters(values, 2) < 2)
        return;
    const double x = relative ? m_x + values[0] * m_transform.ScaleX() : m_transform.ToPlotterX(values[0]);
    const double y = relative ? m_y + values[1] * m_transform.ScaleY() : m_transform.ToPlotterY(values[1]);
    m_shapes.Rectangle(m_x, m_y, Bounded(x), Bounded(y), filled);
}

void CHpglInterpreter::Wedge(bool filled)
{
    double values[4] = {};
    if (Parameters(values, 4) >= 3)
        m_shapes.Wedge(m_x, m_y, values[0], values[1], values[2], filled);
}

bool CHpglInterpreter::WithinLimits()
{
    if (!m_result.error.empty())
        return false;
    if (m_stroker.IsFull())
        m_result.error = "more than " + std::to_string(m_limits.maxPoints) + " points";
    else if (m_reader.HitLimit())
        m_result.error = "larger than " + std::to_string(m_limits.maxBytes) + " bytes";
    else if (++m_work % kClockInterval == 0
             && std::chrono::steady_clock::now() - m_start > std::chrono::duration<double>(m_limits.maxSeconds))
        m_result.error = "still not read after " + std::to_string(static_cast<int>(m_limits.maxSeconds)) + " s";
    return m_result.error.empty();
}

void CHpglInterpreter::Finish()
{
    m_stroker.Break();
    WithinLimits();
    if (m_result.error.empty() && m_commands == 0)
        m_result.error = "no HP-GL commands";
    if (!m_result.error.empty()) {
        m_result.error = "damaged HP-GL file: " + m_result.error;
        return;
    }
    CHpglDrawing& drawing = m_result.drawing;
    if (!drawing.IsEmpty() || m_pages == 0)
        ++m_pages;
    m_result.pages = m_pages;
    if (m_firstPage)
        drawing = std::move(*m_firstPage);
    else
        FinishPage(drawing);
}

// A page feed after a drawn page ends it; only page 1 is kept, the others
// are counted.
void CHpglInterpreter::AdvancePage()
{
    m_stroker.Break();
    CHpglDrawing& drawing = m_result.drawing;
    if (drawing.IsEmpty())
        return;
    if (++m_pages == 1) {
        FinishPage(drawing);
        m_firstPage = std::move(drawing);
    }
    drawing = CHpglDrawing();
}

void CHpglInterpreter::FinishPage(CHpglDrawing& drawing) const
{
    drawing.SetPage(static_cast<float>(m_transform.PageWidth()), static_cast<float>(m_transform.PageHeight()));
    // The sheet is seen as the last rotation turned it.
    drawing.Rotate(-m_transform.Rotation());
    drawing.MoveMirroredOntoPage();
}

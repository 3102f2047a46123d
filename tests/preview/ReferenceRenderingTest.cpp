#include "CInkPicture.h"
#include "CPlotRenderer.h"
#include "CPlotSizeReader.h"
#include "CProcess.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <functional>
#include <regex>

// Previews of drawings that other programs made, or hand-written
// reproductions of them, against an independent rendering of the same
// drawing by hp2xx. hp2xx draws the drawing alone, cropped to its ink, so
// the pictures are laid onto each other by their inked boxes; where a
// drawing lies on its page is checked against the page itself.
namespace {
constexpr int kPreviewWidth = 600;
const std::string kHp2xxSamples = "/usr/share/doc/hp2xx/hp-tests/";

// Labels need fonts, and fonts a QGuiApplication.
void NeedGuiApplication()
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

// A file of the samples hp2xx installs, unpacked into the folder.
std::string Hp2xxSample(const CTempDir& folder, const std::string& name)
{
    const std::string packed = kHp2xxSamples + name + ".gz";
    const std::string path = folder.File(name);
    if (FileExists(packed))
        WriteFileBytes(path, CProcess::Run("/bin/gzip", {"-dc", packed}).out);
    else
        WriteFileBytes(path, ReadFileBytes(kHp2xxSamples + name));
    return path;
}

CInkPicture Hp2xx(const std::string& path, int dpi, const std::vector<std::string>& options)
{
    std::vector<std::string> args = {"-q", "-m", "pbm", "-d", std::to_string(dpi), "-f", path + ".pbm"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(path);
    CProcess::Run("/usr/bin/hp2xx", args);
    return CInkPicture::FromPbm(ReadFileBytes(path + ".pbm"));
}

// hp2xx at about the preview's scale, so that a line is as wide in both.
CInkPicture Hp2xxLike(const std::string& path, const QRect& previewBox, const std::vector<std::string>& options)
{
    constexpr int kFirstDpi = 50;
    const QRect box = Hp2xx(path, kFirstDpi, options).Box();
    if (box.isEmpty())
        return {};
    const int dpi = std::clamp(kFirstDpi * previewBox.width() / std::max(box.width(), 1), 10, 1200);
    return Hp2xx(path, dpi, options);
}

struct ReferenceCase {
    const char* name;
    // Writes the file to preview and the file hp2xx reads (often the same).
    std::function<void(const CTempDir& folder, std::string& preview, std::string& reference)> write;
    std::vector<std::string> hp2xxOptions;
    // Where the ink lies on the page; empty: not checked.
    QRectF onPage;
};

class ReferenceRendering : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceRendering, PreviewLooksLikeTheIndependentRendering)
{
    if (!FileExists("/usr/bin/hp2xx") || !FileExists(kHp2xxSamples + "arcs.hp"))
        GTEST_SKIP() << "hp2xx and its samples are not installed";
    NeedGuiApplication();
    CTempDir folder;
    std::string previewPath, referencePath;
    GetParam().write(folder, previewPath, referencePath);
    if (previewPath.empty())
        GTEST_SKIP() << "the program writing the file is not installed";

    const CPreviewResult result = CPlotRenderer().Render(previewPath, PlotFormat::Hpgl, kPreviewWidth);

    ASSERT_TRUE(result.IsRendered()) << result.Message();
    const CInkPicture preview = CInkPicture::FromImage(result.Image());
    CInkPicture::ExpectAlike(preview, Hp2xxLike(referencePath, preview.Box(), GetParam().hp2xxOptions),
                             CInkPicture::Frame::Ink);
    if (!GetParam().onPage.isEmpty())
        CInkPicture::ExpectInkAt(preview, GetParam().onPage);
}

// A hand-written reproduction of what CAD plot drivers send: a drawing in
// the driver's units (1/600 inch, y counting down from the top left),
// written after NUL padding and a PJL header as PE-encoded polylines with
// the page, a rotation and mirrored scaling points set first.
using Polyline = std::vector<QPoint>;
constexpr double kUnitsPerDriverUnit = 1016.0 / 600;

std::vector<Polyline> DriverDrawing()
{
    std::vector<Polyline> drawing = {
        {{600, 600}, {12600, 600}, {12600, 9000}, {600, 9000}, {600, 600}},      // the border
        {{6600, 8000}, {6600, 1600}}, {{6100, 2400}, {6600, 1600}, {7100, 2400}},  // an arrow pointing up
        {{9600, 7800}, {12600, 7800}}, {{9600, 7800}, {9600, 9000}},              // the title block
        {{1200, 7000}, {2400, 4000}, {3600, 7000}, {4800, 4000}}};
    Polyline ring;
    for (int i = 0; i <= 36; ++i)
        ring.push_back({static_cast<int>(3000 + 1200 * std::cos(i * M_PI / 18)),
                        static_cast<int>(2800 + 1200 * std::sin(i * M_PI / 18))});
    drawing.push_back(ring);
    return drawing;
}

std::string EncodedPolylines(const std::vector<Polyline>& drawing)
{
    std::string text;
    for (const Polyline& line : drawing) {
        text += "PE7<=" + PeNumber(line[0].x(), 32) + PeNumber(line[0].y(), 32);
        for (std::size_t i = 1; i < line.size(); ++i)
            text += PeNumber(line[i].x() - line[i - 1].x(), 32) + PeNumber(line[i].y() - line[i - 1].y(), 32);
        text += ";";
    }
    return text;
}

// The page of 47520 x 33600 units (1188 x 840 mm) in driver units, as the
// drawing sees it once turned.
QSizeF DriverPage(int rotation)
{
    const QSizeF page(47520 / kUnitsPerDriverUnit, 33600 / kUnitsPerDriverUnit);
    return rotation % 180 != 0 ? page.transposed() : page;
}

// Scaling either by points mirrored below the origin or by points in
// percent of the page.
std::string CadFile(int rotation, bool relativePoints)
{
    const QSizeF page = DriverPage(rotation);
    const std::string scaling = relativePoints ? "IR0,100,100,0;SC0," + std::to_string(std::lround(page.width())) +
                                                     ",0," + std::to_string(std::lround(page.height())) + ";"
                                               : "IP0,0,1016,-1016;SC0,600,0,600;";
    return std::string(4096, '\0') + "\x1b%-12345X@PJL JOB NAME=\"site plan\"\r\n@PJL ENTER LANGUAGE=HPGL2\r\n" +
           "BPIN;PS47520,33600;RO" + std::to_string(rotation) + ";" + scaling + "PW0.35;SP1;" +
           EncodedPolylines(DriverDrawing()) + "PU;SP0;PG;\x1b%-12345X@PJL EOJ\r\n\x1b%-12345X";
}

// The same drawing in plain absolute moves, upright, for hp2xx.
std::string PlainFile(const std::vector<Polyline>& drawing)
{
    std::string text = "IN;SP1;";
    for (const Polyline& line : drawing) {
        text += "PU" + std::to_string(line[0].x()) + "," + std::to_string(-line[0].y()) + ";PD";
        for (std::size_t i = 1; i < line.size(); ++i)
            text += (i > 1 ? "," : "") + std::to_string(line[i].x()) + "," + std::to_string(-line[i].y());
        text += ";";
    }
    return text + "PU;";
}

ReferenceCase CadCase(const char* name, int rotation, bool relativePoints)
{
    const QSizeF page = DriverPage(rotation);
    return {name,
            [rotation, relativePoints](const CTempDir& folder, std::string& preview, std::string& reference) {
                preview = folder.Write("drawing.plt", CadFile(rotation, relativePoints));
                reference = folder.Write("plain.hp", PlainFile(DriverDrawing()));
            },
            {},
            QRectF(QPointF(600 / page.width(), 600 / page.height()), QPointF(12600 / page.width(), 9000 / page.height()))};
}

ReferenceCase SampleCase(const char* name, const char* sample, std::vector<std::string> options = {})
{
    return {name,
            [sample](const CTempDir& folder, std::string& preview, std::string& reference) {
                preview = reference = Hp2xxSample(folder, sample);
            },
            std::move(options), {}};
}

ReferenceCase WrittenCase(const char* name, std::string hpgl)
{
    return {name,
            [hpgl](const CTempDir& folder, std::string& preview, std::string& reference) {
                preview = reference = folder.Write("drawing.hp", hpgl);
            },
            {}, {}};
}

INSTANTIATE_TEST_SUITE_P(
    CadDrawings, ReferenceRendering,
    testing::Values(SampleCase("AutoCadSample", "acad.hp"), CadCase("MirroredPoints", 0, false),
                    CadCase("MirroredPointsTurned90", 90, false), CadCase("MirroredPointsTurned180", 180, false),
                    CadCase("MirroredPointsTurned270", 270, false), CadCase("PointsInPercent", 0, true),
                    CadCase("PointsInPercentTurned90", 90, true)),
    ByCaseName());

// GNU plotutils' plots, one a page, written as HP-GL/2 by its "plot"
// (open paths edged through the polygon buffer, pen widths relative to
// the scaling points); empty without plotutils.
std::string PlotutilsFile(const CTempDir& folder, const std::vector<std::string>& plots)
{
    if (!FileExists("/usr/bin/graph") || !FileExists("/usr/bin/plot"))
        return {};
    std::vector<std::string> args = {"-T", "hpgl"};
    for (std::size_t i = 0; i < plots.size(); ++i) {
        const std::string data = folder.Write("plot" + std::to_string(i) + ".txt", plots[i]);
        args.push_back(folder.Write("plot" + std::to_string(i) + ".meta",
                                    CProcess::Run("/usr/bin/graph", {"-T", "meta", data}).out));
    }
    return folder.Write("plots.hp", CProcess::Run("/usr/bin/plot", args).out);
}

// hp2xx reads widths relative to the scaling points (WU 1) many times too
// wide; its reference is drawn with its own thin pens instead.
std::string WithoutPenWidths(const CTempDir& folder, const std::string& path)
{
    return folder.Write("thin-pens.hp", std::regex_replace(ReadFileBytes(path), std::regex("PW[0-9.,]*;"), ""));
}

ReferenceCase PlotutilsCase(const char* name, std::vector<std::string> plots)
{
    return {name,
            [plots](const CTempDir& folder, std::string& preview, std::string& reference) {
                preview = PlotutilsFile(folder, plots);
                reference = preview.empty() ? "" : WithoutPenWidths(folder, preview);
            },
            {"-N", "-P", "1:1"}, {}};
}

// Page 1 of several, as hp2xx draws it when asked for page 1 alone.
INSTANTIATE_TEST_SUITE_P(Pages, ReferenceRendering,
                         testing::Values(PlotutilsCase("OnePlot", {"0 0\n1 1\n2 0.5\n3 2\n"}),
                                         PlotutilsCase("FirstOfTwoPlots", {"0 0\n1 1\n2 0.5\n3 2\n", "0 5\n5 0\n"}),
                                         PlotutilsCase("FirstOfThreePlots", {"0 0\n1 1\n", "0 5\n5 0\n", "1 1\n2 2\n"})),
                         ByCaseName());

// plotutils gives the page's length alone (PS10668 for letter) and draws
// in a square of 8128 units at the page's lower left: the size is the
// square page of that length, and the preview shows the plot within the
// square's corner.
TEST(PlotutilsPage, LengthAloneGivesASquarePageHoldingThePlot)
{
    CTempDir folder;
    const std::string path = PlotutilsFile(folder, {"0 0\n1 1\n2 0.5\n3 2\n"});
    if (path.empty())
        GTEST_SKIP() << "plotutils is not installed";
    ASSERT_NE(ReadFileBytes(path).find("PS10668;"), std::string::npos);
    const PlotSizeResult size = CPlotSizeReader().Read(path, PlotFormat::Hpgl);
    ASSERT_TRUE(size.Ok()) << size.failure;
    EXPECT_NEAR(size.size.WidthMm(), 266.7, 0.1);
    EXPECT_NEAR(size.size.HeightMm(), 266.7, 0.1);

    const CPreviewResult result = CPlotRenderer().Render(path, PlotFormat::Hpgl, kPreviewWidth);
    ASSERT_TRUE(result.IsRendered()) << result.Message();
    EXPECT_EQ(result.Image().height(), result.Image().width());
    const QRect ink = CInkPicture::FromImage(result.Image()).Box();
    const double corner = 8128.0 / 10668;
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_LE((ink.right() + 1) / double{kPreviewWidth}, corner + 0.01);
    EXPECT_GE(ink.top() / double{kPreviewWidth}, 1 - corner - 0.01);
    EXPECT_GT(ink.width(), kPreviewWidth / 3);
}

// hp2xx's samples of fill types (hatched and cross-hatched areas of
// polygon mode, FP and EP, within a window) and of the window; a
// hand-written window cutting lines (hp2xx leaves fills uncut).
INSTANTIATE_TEST_SUITE_P(
    FillsAndWindows, ReferenceRendering,
    testing::Values(SampleCase("FillTypes", "fill.plt"), SampleCase("InputWindow", "iw.hp"),
                    WrittenCase("WindowCutsLines", "IN;SP1;IW1000,1000,3000,3000;PA0,0;PD4000,4000;PU;"
                                                   "PA0,4000;PD4000,0;PU;PA1500,1500;RA2000,2000;IW;"
                                                   "PA0,0;PD0,4000,4000,4000,4000,0,0,0;")),
    ByCaseName());

// Hand-written: the user's circles are ellipses where X and Y scale apart.
INSTANTIATE_TEST_SUITE_P(
    UnequalScaling, ReferenceRendering,
    testing::Values(WrittenCase("Circle", "IN;IP0,0,16000,4000;SC0,100,0,100;SP1;PA50,50;CI20;"),
                    WrittenCase("ArcAbsolute", "IN;IP0,0,16000,4000;SC0,100,0,100;SP1;PA20,50;PD;AA20,80,250;PU;"),
                    WrittenCase("ArcRelative", "IN;IP0,0,4000,12000;SC0,10,0,10;SP1;PA80,80;PD;AR0,-10,-270;"),
                    WrittenCase("Wedge", "IN;IP0,0,16000,4000;SC0,100,0,100;SP1;PA50,50;EW30,0,120;"),
                    WrittenCase("Mixed", "IN;IP0,0,16000,4000;SC0,100,0,100;SP1;PA50,50;CI20;PA20,50;PD;"
                                         "AA20,80,90;PU;PA80,20;EW15,0,120;")),
    ByCaseName());
}

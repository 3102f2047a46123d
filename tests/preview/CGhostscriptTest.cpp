#include "CGhostscript.h"
#include "CGhostscriptSizeSource.h"
#include "CInkPicture.h"
#include "CPlotRenderer.h"
#include "CProcess.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <QStandardPaths>

#include <regex>

// PostScript the way Ghostscript sees it: sizes of files without a
// bounding box comment, EPS files that never end their page, pages of an
// extreme shape, and what a failure of Ghostscript says.
namespace {
class Ghostscript : public testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("gs").isEmpty())
            GTEST_SKIP() << "Ghostscript is not installed";
    }

    CTempDir folder;
};

// A box of 200 x 100 points at (50, 60), filled, on a page without a
// bounding box comment.
const char* const kBoxWithoutComment = "%!PS-Adobe-3.0\n50 60 200 100 rectfill\nshowpage\n";

struct SizeCase {
    const char* name;
    std::string postScript;
    std::string size;
    std::string failure;
};

const SizeCase kSizes[] = {
    {"CommentFirst", "%!PS-Adobe-3.0\n%%BoundingBox: 0 0 595 842\n%%EndComments\nshowpage\n", "210 x 297 mm (A4)", ""},
    {"MeasuredWithoutComment", kBoxWithoutComment, "71 x 35 mm", ""},
    {"MeasuredWithoutShowpage", "%!PS\n0 0 283.46 141.73 rectfill\n", "100 x 50 mm", ""},
    {"NothingDrawn", "%!PS\nshowpage\n", "-", "page 1 of the PostScript file draws nothing"},
    {"Failing", "%!PS\n0 0 moveto nosuchoperator\n", "-",
     "cannot measure: Ghostscript failed on the PostScript file (Error: /undefined in nosuchoperator)"},
};

class GhostscriptSize : public Ghostscript, public testing::WithParamInterface<SizeCase> {};

TEST_P(GhostscriptSize, FromTheCommentElseFromWhatPageOneDraws)
{
    const PlotSizeResult result = CGhostscriptSizeSource().ReadSize(folder.Write("plot.ps", GetParam().postScript));
    EXPECT_EQ(result.size.FormatAscii(), GetParam().size);
    EXPECT_EQ(result.failure, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(Files, GhostscriptSize, testing::ValuesIn(kSizes), ByCaseName());

// GNU plotutils' PostScript, its bounding box comments taken out: the
// measured size is the one they stated, within 3 % (their box holds the
// labels' whole font height, the measured one only the ink).
TEST_F(Ghostscript, MeasuresAPlotThatLostItsComments)
{
    if (!FileExists("/usr/bin/graph"))
        GTEST_SKIP() << "plotutils is not installed";
    const std::string data = folder.Write("data.txt", "0 0\n1 1\n2 0.5\n3 2\n");
    const std::string plot = folder.Write("plot.ps", CProcess::Run("/usr/bin/graph", {"-T", "ps", data}).out);
    const PlotSizeResult stated = CGhostscriptSizeSource().ReadSize(plot);
    ASSERT_TRUE(stated.Ok()) << stated.failure;
    const std::regex comments("%%(HiRes)?BoundingBox:[^\n]*\n");
    const std::string bare = folder.Write("bare.ps", std::regex_replace(ReadFileBytes(plot), comments, ""));

    const PlotSizeResult measured = CGhostscriptSizeSource().ReadSize(bare);

    ASSERT_TRUE(measured.Ok()) << measured.failure;
    EXPECT_NEAR(measured.size.WidthMm() / stated.size.WidthMm(), 1, 0.03);
    EXPECT_NEAR(measured.size.HeightMm() / stated.size.HeightMm(), 1, 0.03);
}

// An EPS file need not end its page.
TEST_F(Ghostscript, DrawsAnEpsWithOrWithoutShowpage)
{
    CInkPicture leftHalf(200, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            leftHalf.Set(x, y);
    for (const char* end : {"", " showpage"}) {
        const std::string path = folder.Write("figure.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 200 100\n"
                                                            "0 0 100 100 rectfill" + std::string(end) + "\n");

        const CPreviewResult result = CPlotRenderer().Render(path, PlotFormat::PostScript, 200);

        ASSERT_TRUE(result.IsRendered()) << result.Message();
        CInkPicture::ExpectAlike(CInkPicture::FromImage(result.Image()), leftHalf, CInkPicture::Frame::Page);
    }
}

TEST_F(Ghostscript, KeepsANarrowTallPageWithinTheLargestHeight)
{
    const std::string path =
        folder.Write("strip.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 20000\n0 0 10 20000 rectfill\n");

    const CPreviewResult result = CPlotRenderer().Render(path, PlotFormat::PostScript, 1024);

    ASSERT_TRUE(result.IsRendered()) << result.Message();
    EXPECT_EQ(result.Image().height(), CPreviewSize::kMaxSide);
    EXPECT_EQ(result.Image().width(), 4);
}

TEST_F(Ghostscript, SaysWhatFailed)
{
    const std::string path = folder.Write("broken.ps", "%!PS\n/Helvetica findfont 12 scalefont setfont (a) nosuchop\n");

    const CPreviewResult result = CPlotRenderer().Render(path, PlotFormat::PostScript, 200);

    EXPECT_EQ(result.Message(),
              "cannot render: Ghostscript failed on the PostScript file (Error: /undefined in nosuchop)");
}
}

#include "CProcess.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"
#include "TestConfig.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

// size and preview run on plot files made in the test's folder, DIR/. What
// each reader and the content recogniser make of a file is their own test;
// here the commands must reach them, in the helper that has them.
namespace {
struct PlotCommandCase {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string err;
    unsigned pictureWidth;  // of DIR/out.png; 0: none written
};

std::string InFolder(std::string text, const std::string& folder)
{
    for (std::size_t at = text.find("DIR/"); at != std::string::npos; at = text.find("DIR/", at))
        text.replace(at, 4, folder);
    return text;
}

// Below 65536 pixels, in the two low bytes of the width in PNG's header.
unsigned PngWidth(const std::string& png)
{
    return png.size() < 24 ? 0 : static_cast<unsigned char>(png[18]) << 8 | static_cast<unsigned char>(png[19]);
}

class PlotCommands : public testing::TestWithParam<PlotCommandCase> {};

TEST_P(PlotCommands, PrintSizesAndWritePictures)
{
    const PlotCommandCase& c = GetParam();
    CTempDir dir;
    dir.Write("frame.plt", kSampleHpgl);
    dir.Write("a4.pdf", SamplePdf(595, 842, 2, "0 0 297 842 re f"));
    dir.Write("damaged.pdf", "%PDF-1.4\nnot a document\n");
    dir.Write("drawing.cgm", "BEGMF");
    dir.Write("frame.hp", kSampleHpgl);
    dir.Write("a4.dat", SamplePdf(595, 842, 2));
    dir.Write("notes.txt", "INTRODUCTION to the drawing\n");
    dir.Write("line\nbreak\t1.plt", kSampleHpgl);
    mkfifo(dir.File("pipe.plt").c_str(), 0600);
    std::vector<std::string> args;
    for (const auto& arg : c.args)
        args.push_back(InFolder(arg, dir.Path()));

    const auto result = CProcess::Run(test_config::kCli, args, {{"QX_SENDORA_DATA_DIR", test_config::kDataDir}});

    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.out, InFolder(c.out, dir.Path()));
    EXPECT_EQ(result.err, InFolder(c.err, dir.Path()));
    EXPECT_EQ(PngWidth(ReadFileBytes(dir.File("out.png"))), c.pictureWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlotCommands,
    testing::Values(
        PlotCommandCase{"SizeOfEachFile", {"size", "DIR/frame.plt", "DIR/a4.pdf", "DIR/drawing.cgm"}, 0,
                        "DIR/frame.plt\tHPGL\t100 x 50 mm\t1\nDIR/a4.pdf\tPDF\t210 x 297 mm (A4)\t2\n"
                        "DIR/drawing.cgm\tCGM\t-\t1\n", "", 0},
        PlotCommandCase{"SizeSaysWhyAFileCannotBeRead", {"size", "DIR/damaged.pdf", "DIR/none.plt", "DIR/frame.plt"},
                        1,
                        "DIR/damaged.pdf\tPDF\t-\t-\tcannot read: damaged PDF file\n"
                        "DIR/none.plt\tHPGL\t-\t-\tcannot read: no such file or directory\n"
                        "DIR/frame.plt\tHPGL\t100 x 50 mm\t1\n", "", 0},
        PlotCommandCase{"SizeByContentOfAnUnlistedExtension",
                        {"size", "DIR/frame.hp", "DIR/a4.dat", "DIR/notes.txt"}, 1,
                        "DIR/frame.hp\t(unknown format)\t100 x 50 mm\t1\n"
                        "DIR/a4.dat\t(unknown format)\t210 x 297 mm (A4)\t2\n"
                        "DIR/notes.txt\t(unknown format)\t-\t-\tcannot read: no reader for this data format\n",
                        "", 0},
        PlotCommandCase{"PreviewByContentOfAnUnlistedExtension",
                        {"preview", "DIR/frame.hp", "-o", "DIR/out.png", "--width", "200"}, 0, "", "", 200},
        PlotCommandCase{"SizeEscapesControlBytesInNames", {"size", "DIR/line\nbreak\t1.plt", "DIR/no\\\r.plt"}, 1,
                        "DIR/line\\nbreak\\t1.plt\tHPGL\t100 x 50 mm\t1\n"
                        "DIR/no\\\\\\r.plt\tHPGL\t-\t-\tcannot read: no such file or directory\n", "", 0},
        PlotCommandCase{"PreviewOfPdf", {"preview", "DIR/a4.pdf", "-o", "DIR/out.png"}, 0, "", "", 1024},
        PlotCommandCase{"NoPreviewOfCgm", {"preview", "DIR/drawing.cgm", "-o", "DIR/out.png"}, 1, "",
                        "qx-sendora-cli: DIR/drawing.cgm: no preview for this format\n", 0},
        PlotCommandCase{"NoPreviewOfANamedPipe", {"preview", "DIR/pipe.plt", "-o", "DIR/out.png"}, 1, "",
                        "qx-sendora-cli: DIR/pipe.plt: cannot read: is a named pipe\n", 0},
        PlotCommandCase{"PictureThatCannotBeWritten", {"preview", "DIR/a4.pdf", "-o", "DIR/none/out.png"}, 1, "",
                        "qx-sendora-cli: DIR/none/out.png: cannot write the picture: No such file or directory\n",
                        0}),
    ByCaseName());
}

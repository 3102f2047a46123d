#include "CContentRecogniser.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

namespace {
using namespace std::string_literals;

struct RecogniserCase {
    const char* name;
    std::string bytes;
    PlotFormat format;
};

const std::string kPjl = "\x1b%-12345X@PJL JOB NAME=\"site plan\"\r\n@PJL SET RESOLUTION=600\r\n"
                         "@PJL ENTER LANGUAGE=HPGL2\r\n";

const RecogniserCase kCases[] = {
    {"Pdf", "%PDF-1.7\n%\xe2\xe3\xcf\xd3\n1 0 obj", PlotFormat::Pdf},
    {"PdfAfterPjl", "\x1b%-12345X@PJL ENTER LANGUAGE=PDF\n%PDF-1.4\n", PlotFormat::Pdf},
    {"PostScript", "%!PS-Adobe-3.0\n%%BoundingBox: 0 0 595 842\n", PlotFormat::PostScript},
    {"PostScriptAfterCtrlD", "\x04%!PS\n", PlotFormat::PostScript},
    {"PostScriptAfterPjl", "\x1b%-12345X@PJL JOB\n@PJL ENTER LANGUAGE = POSTSCRIPT\n%!PS-Adobe-3.0\n",
     PlotFormat::PostScript},
    {"EpsBinaryHeader", "\xc5\xd0\xd3\xc6\x20\x00\x00\x00"s, PlotFormat::PostScript},
    {"TiffIntel", "II*\0\x08\0\0\0"s, PlotFormat::Tiff},
    {"TiffMotorola", "MM\0*\0\0\0\x08"s, PlotFormat::Tiff},
    {"BigTiff", "II+\0\x08\0\0\0"s, PlotFormat::Tiff},
    {"TiffAfterNulsIsNoTiff", "\0\0II*\0"s, PlotFormat::Unknown},
    {"Cals", "srcdocid: NONE" + std::string(114, ' ') + "rtype: 1", PlotFormat::Cals},
    {"CalsTypeFirst", "RTYPE: 1" + std::string(120, ' '), PlotFormat::Cals},
    {"HpglPlain", "IN;SP1;PU0,0;PD100,100;", PlotFormat::Hpgl},
    {"HpglLowerCase", "in;sp1;pa0,0;", PlotFormat::Hpgl},
    {"HpglWithoutSeparators", "BP\nIN\nPS7000,5000\nSP1\n", PlotFormat::Hpgl},
    {"HpglOneCommand", "IN;", PlotFormat::Hpgl},
    {"HpglLabelFirst", "SP1;LB any text at all\x03", PlotFormat::Hpgl},
    {"HpglEncodedPolyline", "PE<=?x9@u;", PlotFormat::Hpgl},
    {"HpglAfterPjl", kPjl + "BPIN;PS33640,47560;RO90;IP0,0,1016,-1016;", PlotFormat::Hpgl},
    {"HpglAfterNulsAndPjl", std::string(4096, '\0') + kPjl + "IN;PS1,1;", PlotFormat::Hpgl},
    {"HpglAfterPclSwitch", "\x1b%-12345X\x1b" "E\x1b&l0o1A\x1b%-1BBPIN;PS11176,8636;", PlotFormat::Hpgl},
    {"HpglAfterPclRaster", "\x1b*b3WABC\x1b%0BIN;", PlotFormat::Hpgl},
    {"HpglAfterDeviceControl", "\x1b.(\x1b.I81;;17:\x1b.N;19:IN;SP1;", PlotFormat::Hpgl},
    {"PclWithoutHpgl", "\x1b" "E\x1b&l1O\x1b*r1A", PlotFormat::Unknown},
    {"PlainText", "INTRODUCTION to the drawing", PlotFormat::Unknown},
    {"Prose", "in the beginning", PlotFormat::Unknown},
    {"Png", "\x89PNG\r\n\x1a\n"s, PlotFormat::Unknown},
    {"OnlyPjl", kPjl, PlotFormat::Unknown},
    {"OnlyNuls", std::string(100, '\0'), PlotFormat::Unknown},
    {"Empty", "", PlotFormat::Unknown},
    {"CutEscape", "\x1b%-12", PlotFormat::Unknown},
};

class ContentRecogniserTest : public testing::TestWithParam<RecogniserCase> {};

TEST_P(ContentRecogniserTest, TellsTheFormatFromTheHead)
{
    const std::string& bytes = GetParam().bytes;
    EXPECT_EQ(CContentRecogniser::Recognise(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()),
              GetParam().format);
    CTempDir folder;
    EXPECT_EQ(CContentRecogniser::RecogniseFile(folder.Write("plot", bytes)), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Heads, ContentRecogniserTest, testing::ValuesIn(kCases), ByCaseName());

TEST(ContentRecogniserFileTest, FollowsARunOfNulsUpToItsLimit)
{
    CTempDir folder;
    const std::string beyond(CContentRecogniser::kMaxNulRun, '\0');
    EXPECT_EQ(CContentRecogniser::RecogniseFile(folder.Write("padded", std::string(300000, '\0') + kPjl + "IN;")),
              PlotFormat::Hpgl);
    EXPECT_EQ(CContentRecogniser::RecogniseFile(folder.Write("beyond", beyond + kPjl + "IN;")), PlotFormat::Unknown);
}

// A named pipe that nobody writes would block a reader that opened it.
TEST(ContentRecogniserFileTest, RefusesWhatIsNoRegularFileWithoutWaiting)
{
    CTempDir folder;
    ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {folder.File("fifo"), folder.Path(), folder.File("missing")})
        EXPECT_EQ(CContentRecogniser::RecogniseFile(path), PlotFormat::Unknown) << path;
}

// Plot files another program's authors wrote, as Debian installs them.
TEST(ContentRecogniserFileTest, RecognisesTheHp2xxSamples)
{
    const std::string folder = "/usr/share/doc/hp2xx/hp-tests/";
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        GTEST_SKIP() << "hp2xx's samples are not installed";
    int seen = 0;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        const auto dot = name.rfind('.');
        const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
        if (extension == ".hp" || extension == ".hpg" || extension == ".plt") {
            EXPECT_EQ(CContentRecogniser::RecogniseFile(folder + name), PlotFormat::Hpgl) << name;
            ++seen;
        } else if (extension == ".eps") {
            EXPECT_EQ(CContentRecogniser::RecogniseFile(folder + name), PlotFormat::PostScript) << name;
        }
    }
    closedir(listing);
    EXPECT_GT(seen, 10);
}
}

#include "CProcess.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
CProcessResult RunFormats(const std::vector<std::string>& args)
{
    CTempDir registry;
    std::vector<std::string> all{"formats"};
    all.insert(all.end(), args.begin(), args.end());
    return CProcess::Run(test_config::kCli, all,
                         {{"QX_SENDORA_DATA_DIR", test_config::kDataDir}, {"QX_SENDORA_REGISTRY_DIR", registry.Path()}});
}

TEST(FormatsCommandTest, ListsTheShippedFormatsWithTheirExtensions)
{
    const CProcessResult result = RunFormats({});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "HPGL\t.plt .hpg .hpgl .hgl .hp2\n"
              "TIFF\t.tif .tiff\n"
              "CALS\t.cal .cals .ct1 .gp4 .mil\n"
              "CGM\t.cgm\n"
              "POSTSCRIPT\t.ps .eps\n"
              "PDF\t.pdf\n"
              "MVNATIVE\t.mvn\n"
              "MGL(0.01 mm/unit)\t.mgl\n"
              "MGL(0.025 mm/unit)\t.mg2\n");
    EXPECT_EQ(result.err, "");
}

TEST(FormatsCommandTest, TellsEachFilesFormatInTheGivenOrder)
{
    const CProcessResult result =
        RunFormats({"/plots/site plan.PLT", "scan.tiff", "notes.txt", "README", "missing/dir.pdf/x.ps"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "/plots/site plan.PLT\tHPGL\n"
              "scan.tiff\tTIFF\n"
              "notes.txt\t(unknown format)\n"
              "README\t(unknown format)\n"
              "missing/dir.pdf/x.ps\tPOSTSCRIPT\n");
}
}

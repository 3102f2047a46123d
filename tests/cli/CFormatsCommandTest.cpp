#include "CProcess.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
CProcessResult RunFormats(std::vector<std::string> args)
{
    CTempDir registry;
    args.insert(args.begin(), "formats");
    return CProcess::Run(test_config::kCli, args,
                         {{"QX_SENDORA_DATA_DIR", test_config::kDataDir}, {"QX_SENDORA_REGISTRY_DIR", registry.Path()}});
}

// Without files, the shipped formats with their extensions; with files,
// each file's format in the given order.
TEST(FormatsCommandTest, ListsTheShippedFormatsOrTellsEachFilesFormat)
{
    const CProcessResult list = RunFormats({});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out,
              "HPGL\t.plt .hpg .hpgl .hgl .hp2\n"
              "TIFF\t.tif .tiff\n"
              "CALS\t.cal .cals .ct1 .gp4 .mil\n"
              "CGM\t.cgm\n"
              "POSTSCRIPT\t.ps .eps\n"
              "PDF\t.pdf\n"
              "MVNATIVE\t.mvn\n"
              "MGL(0.01 mm/unit)\t.mgl\n"
              "MGL(0.025 mm/unit)\t.mg2\n");
    EXPECT_EQ(list.err, "");

    const CProcessResult files =
        RunFormats({"/plots/site plan.PLT", "scan.tiff", "notes.txt", "README", "missing/dir.pdf/x.ps"});
    EXPECT_EQ(files.exitCode, 0);
    EXPECT_EQ(files.out,
              "/plots/site plan.PLT\tHPGL\n"
              "scan.tiff\tTIFF\n"
              "notes.txt\t(unknown format)\n"
              "README\t(unknown format)\n"
              "missing/dir.pdf/x.ps\tPOSTSCRIPT\n");
}
}

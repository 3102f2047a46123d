#include "CDeviceUri.h"
#include "CPrinterIdentity.h"

#include <gtest/gtest.h>

// Device URIs and device IDs, the two ways PAPPL names one of our printers.
namespace {
struct UriCase {
    const char* uri;
    std::optional<std::string> printer;
    int number;
};

class DeviceUri : public testing::TestWithParam<UriCase> {};

TEST_P(DeviceUri, ParsesIntoPrinterAndNumber)
{
    const auto parsed = CDeviceUri::Parse(GetParam().uri);
    ASSERT_EQ(parsed.has_value(), GetParam().printer.has_value());
    if (!parsed)
        return;
    EXPECT_EQ(parsed->PrinterName(), *GetParam().printer);
    EXPECT_EQ(parsed->Number(), GetParam().number);
    EXPECT_EQ(CDeviceUri::Format(parsed->PrinterName(), parsed->Number()), GetParam().uri);
}

INSTANTIATE_TEST_SUITE_P(
    Uris, DeviceUri,
    testing::Values(UriCase{"qxftp://plotter1/5", "plotter1", 5}, UriCase{"qxftp://10.0.0.7:2121/0", "10.0.0.7:2121", 0},
                    UriCase{"qxftp://[::1]:2121/99", "[::1]:2121", 99}, UriCase{"qxftp://plotter1/100", {}, 0},
                    UriCase{"qxftp://plotter1/-1", {}, 0}, UriCase{"qxftp://plotter1/", {}, 0},
                    UriCase{"qxftp://plotter1", {}, 0}, UriCase{"qxftp:///3", {}, 0},
                    UriCase{"qxftp://plotter1:0/3", {}, 0}, UriCase{"qxftp://plotter1/3/4", {}, 0},
                    UriCase{"socket://plotter1/3", {}, 0}, UriCase{"qxftp://plot ter/3", {}, 0}));

struct IdCase {
    const char* id;
    const char* driver;
};

class DriverChoice : public testing::TestWithParam<IdCase> {};

TEST_P(DriverChoice, PdfAmongTheCommandsPicksThePdfDriver)
{
    const char* driver = CPrinterIdentity::DriverFor(GetParam().id);
    EXPECT_EQ(driver ? std::string(driver) : "none", GetParam().driver);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, DriverChoice,
    testing::Values(IdCase{"MFG:QX-Sendora;MDL:Heron;CMD:HPGL,TIFF,CALS,PDF,PS;", "qx-sendora-pdf"},
                    IdCase{"MFG:QX-Sendora;MDL:Heron;CMD:HPGL,TIFF,CALS;", "qx-sendora"},
                    IdCase{"MFG:QX-Sendora;MDL:PDFMaker;CMD:HPGL;", "qx-sendora"},
                    IdCase{"MFG:Other;MDL:X;CMD:PDF;", "none"}, IdCase{"", "none"}));

// The model the status reply named, else the controller family.
TEST(DeviceId, NamesTheModelAndTheCommands)
{
    EXPECT_EQ(CPrinterIdentity::DeviceId({"Heron", 1, "PlotraK1"}),
              "MFG:QX-Sendora;MDL:PlotraK1;CMD:HPGL,TIFF,CALS,PDF,PS;");
    EXPECT_EQ(CPrinterIdentity::DeviceId({"Heron", 0, ""}), "MFG:QX-Sendora;MDL:Heron;CMD:HPGL,TIFF,CALS;");
}
}

#include "CPrinterAddress.h"

#include <gtest/gtest.h>

namespace {
struct AddressCase {
    const char* text;
    bool valid;
    const char* host;
    unsigned short port;
};

class CPrinterAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(CPrinterAddressTest, SplitsHostAndPort)
{
    const AddressCase& c = GetParam();
    const auto address = CPrinterAddress::Parse(c.text);
    ASSERT_EQ(address.has_value(), c.valid) << c.text;
    if (!address)
        return;
    EXPECT_EQ(address->GetHost(), c.host);
    EXPECT_EQ(address->GetPort(), c.port);
}

INSTANTIATE_TEST_SUITE_P(Names, CPrinterAddressTest,
                         testing::Values(AddressCase{"plotter7", true, "plotter7", 21},
                                         AddressCase{"192.168.0.20", true, "192.168.0.20", 21},
                                         AddressCase{"127.0.0.1:2121", true, "127.0.0.1", 2121},
                                         AddressCase{"plotter7:65535", true, "plotter7", 65535},
                                         AddressCase{"[::1]:2121", true, "::1", 2121},
                                         AddressCase{"[fe80::1]", true, "fe80::1", 21},
                                         AddressCase{"::1", true, "::1", 21},
                                         AddressCase{"fe80::20:2121", true, "fe80::20:2121", 21},
                                         AddressCase{"", false, "", 0},
                                         AddressCase{":2121", false, "", 0},
                                         AddressCase{"plotter7:", false, "", 0},
                                         AddressCase{"plotter7:0", false, "", 0},
                                         AddressCase{"plotter7:65536", false, "", 0},
                                         AddressCase{"plotter7:21x", false, "", 0},
                                         AddressCase{"plotter7:-21", false, "", 0},
                                         AddressCase{"[::1]:", false, "", 0},
                                         AddressCase{"[::1]2121", false, "", 0},
                                         AddressCase{"[::1", false, "", 0},
                                         AddressCase{"[]:21", false, "", 0},
                                         AddressCase{"fe80::1]:21", false, "", 0},
                                         AddressCase{"[[::1]:21", false, "", 0},
                                         AddressCase{"plot ter:21", false, "", 0},
                                         AddressCase{"plot\tter", false, "", 0},
                                         AddressCase{"plotter7\x7f", false, "", 0}));
}

#include "CPrinterAddress.h"

#include <gtest/gtest.h>

namespace {
struct AddressCase {
    const char* text;
    const char* host;
    unsigned short port;
};

class CPrinterAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(CPrinterAddressTest, SplitsHostAndPort)
{
    const auto address = CPrinterAddress::Parse(GetParam().text);
    ASSERT_TRUE(address.has_value()) << GetParam().text;
    EXPECT_EQ(address->GetHost(), GetParam().host);
    EXPECT_EQ(address->GetPort(), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(Names, CPrinterAddressTest,
                         testing::Values(AddressCase{"plotter7", "plotter7", 21},
                                         AddressCase{"192.168.0.20", "192.168.0.20", 21},
                                         AddressCase{"127.0.0.1:2121", "127.0.0.1", 2121},
                                         AddressCase{"plotter7:65535", "plotter7", 65535},
                                         AddressCase{"[::1]:2121", "::1", 2121},
                                         AddressCase{"[fe80::1]", "fe80::1", 21},
                                         AddressCase{"::1", "::1", 21},
                                         AddressCase{"fe80::20:2121", "fe80::20:2121", 21}));

class CPrinterAddressRefusalTest : public testing::TestWithParam<const char*> {};

TEST_P(CPrinterAddressRefusalTest, IsNoAddress)
{
    EXPECT_FALSE(CPrinterAddress::Parse(GetParam()).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Names, CPrinterAddressRefusalTest,
                         testing::Values("", ":2121", "plotter7:", "plotter7:0", "plotter7:65536", "plotter7:21x",
                                         "plotter7:-21", "[::1]:", "[::1]2121", "[::1", "[]:21", "fe80::1]:21",
                                         "[[::1]:21", "plot ter:21", "plot\tter", "plotter7\x7f"));
}

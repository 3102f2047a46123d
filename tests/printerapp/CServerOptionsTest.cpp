#include "CServerOptions.h"

#include <gtest/gtest.h>

// Which listeners and features each combination of server options gives,
// and which are refused: the web interface only where nobody else reaches
// it, the raw sockets (on every address in PAPPL 1.3.1) only when sharing.
namespace {
struct OptionsCase {
    const char* name;
    std::map<std::string, std::string> options;
    bool accepted;
    const char* listenHostname;
    bool web;
    bool raw;
};

const OptionsCase kCases[] = {
    {"Defaults", {}, true, "localhost", true, false},
    {"LoopbackAddress", {{"listen-hostname", "127.0.0.1"}}, true, "127.0.0.1", true, false},
    {"LoopbackSix", {{"listen-hostname", "::1"}}, true, "::1", true, false},
    {"Sharing", {{"share-printers", "true"}}, true, "*", false, false},
    {"SharingOnOneAddress", {{"share-printers", "true"}, {"listen-hostname", "192.0.2.1"}}, true, "192.0.2.1", false,
     false},
    {"SharingWithRawSockets", {{"share-printers", "true"}, {"raw-socket", "true"}}, true, "*", false, true},
    {"NotSharing", {{"share-printers", "false"}}, true, "localhost", true, false},
    {"EveryAddressWithoutSharing", {{"listen-hostname", "*"}}, false, "", false, false},
    {"NetworkAddressWithoutSharing", {{"listen-hostname", "192.0.2.1"}}, false, "", false, false},
    {"NameWithoutSharing", {{"listen-hostname", "printserver"}}, false, "", false, false},
    {"RawSocketsWithoutSharing", {{"raw-socket", "true"}}, false, "", false, false},
    {"FlagNotAFlag", {{"share-printers", "yes"}}, false, "", false, false},
    {"RawFlagNotAFlag", {{"share-printers", "true"}, {"raw-socket", "1"}}, false, "", false, false},
};

class ServerOptions : public testing::TestWithParam<OptionsCase> {};

TEST_P(ServerOptions, GiveTheseListenersOrAreRefused)
{
    const OptionsCase& c = GetParam();
    std::string error;
    const auto read = CServerOptions::Read(c.options, error);
    ASSERT_EQ(read.has_value(), c.accepted) << error;
    if (!read) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(read->listenHostname, c.listenHostname);
    EXPECT_EQ(read->WebInterface(), c.web);
    EXPECT_EQ(read->rawSocket, c.raw);
    EXPECT_EQ(read->ListenAddress() == nullptr, read->listenHostname == "*");
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerOptions, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
}

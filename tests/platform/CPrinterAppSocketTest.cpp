#include "CPrinterAppSocket.h"

#include "CScopedEnvironment.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <optional>

// Where the window looks for the printer application before it runs a
// subcommand, as PAPPL 1.3.1's client does: a private instance's folder,
// the user's TMPDIR and the machine's socket. A socket file that nothing
// listens on (a server that died) is no server.
namespace {
struct PathCase {
    const char* name;
    std::optional<std::string> dir;
    std::optional<std::string> tmpdir;
    std::optional<std::string> snapCommon;
    std::vector<std::string> rootPaths;
    std::vector<std::string> userPaths;  // with UID for the user's id
};

const PathCase kCases[] = {
    {"Defaults", std::nullopt, std::nullopt, std::nullopt, {"/run/qx-sendora-printer-app.sock"},
     {"/tmp/qx-sendora-printer-appUID.sock", "/run/qx-sendora-printer-app.sock"}},
    {"PrivateInstance", "/srv/pa", "/t", std::nullopt, {"/srv/pa/qx-sendora-printer-app.sock"},
     {"/srv/pa/qx-sendora-printer-appUID.sock", "/run/qx-sendora-printer-app.sock"}},
    {"TmpdirAndSnapCommon", std::nullopt, "/t", "/snap", {"/snap/qx-sendora-printer-app.sock"},
     {"/t/qx-sendora-printer-appUID.sock", "/snap/qx-sendora-printer-app.sock"}},
};

class PrinterAppSocketPaths : public testing::TestWithParam<PathCase> {};

TEST_P(PrinterAppSocketPaths, AreThoseTheSubcommandsTry)
{
    const PathCase& c = GetParam();
    const CScopedEnvironment dir("QX_SENDORA_PRINTER_APP_DIR", c.dir);
    const CScopedEnvironment tmpdir("TMPDIR", c.tmpdir);
    const CScopedEnvironment snapCommon("SNAP_COMMON", c.snapCommon);
    std::vector<std::string> expected = getuid() == 0 ? c.rootPaths : c.userPaths;
    for (std::string& path : expected)
        if (const auto uid = path.find("UID"); uid != std::string::npos)
            path.replace(uid, 3, std::to_string(getuid()));
    EXPECT_EQ(CPrinterAppSocket::Paths(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterAppSocketPaths, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrinterAppSocket, AnswersOnlyWhileSomethingListens)
{
    const CTempDir folder;
    const CScopedEnvironment dir("QX_SENDORA_PRINTER_APP_DIR", folder.Path().substr(0, folder.Path().size() - 1));
    const CScopedEnvironment tmpdir("TMPDIR", std::nullopt);
    const CScopedEnvironment snapCommon("SNAP_COMMON", folder.File("machine"));
    const std::string path = CPrinterAppSocket::Paths().front();
    EXPECT_FALSE(CPrinterAppSocket::ServerAnswers());

    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
    EXPECT_FALSE(CPrinterAppSocket::ServerAnswers());
    ASSERT_EQ(listen(fd, 1), 0);
    EXPECT_TRUE(CPrinterAppSocket::ServerAnswers());
    close(fd);
    EXPECT_FALSE(CPrinterAppSocket::ServerAnswers());
}
}

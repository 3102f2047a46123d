#include "CUserFile.h"

#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// Only a regular file is opened; everything else is refused at once, a
// named pipe that no one writes included.
namespace {
struct KindCase {
    const char* name;
    std::string path;  // "DIR/" is the test's folder
    std::string reason;
    int error;
};

class UserFileTest : public testing::TestWithParam<KindCase> {
protected:
    void SetUp() override
    {
        m_dir.Write("plot.plt", "IN;");
        ASSERT_EQ(mkfifo(m_dir.File("pipe.plt").c_str(), 0600), 0);
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_dir.File("socket.plt").c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    void TearDown() override { close(m_socket); }

    std::string PathOf(const std::string& path) const
    {
        return path.rfind("DIR/", 0) == 0 ? m_dir.File(path.substr(4)) : path;
    }

    CTempDir m_dir;
    int m_socket = -1;
};

TEST_P(UserFileTest, OnlyARegularFileOpens)
{
    const KindCase& c = GetParam();
    CUserFile file(PathOf(c.path));
    EXPECT_EQ(file.IsOpen(), c.reason.empty());
    EXPECT_EQ(file.GetReason(), c.reason);
    EXPECT_EQ(file.GetError(), c.error);
    EXPECT_EQ(CUserFile::WhyNot(PathOf(c.path)), c.reason);
    if (!file.IsOpen())
        return;
    const auto stream = CUserFile::Stream(file.ReleaseStream(), &std::fclose);
    char bytes[8] = {};
    EXPECT_EQ(std::fread(bytes, 1, sizeof bytes, stream.get()), 3u);
    EXPECT_STREQ(bytes, "IN;");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UserFileTest,
    testing::Values(KindCase{"RegularFile", "DIR/plot.plt", "", 0},
                    KindCase{"Missing", "DIR/gone.plt", std::strerror(ENOENT), ENOENT},
                    KindCase{"Folder", "DIR/", "Is a directory", EISDIR},
                    KindCase{"NamedPipeNoOneWrites", "DIR/pipe.plt", "Is a named pipe", ENXIO},
                    KindCase{"Socket", "DIR/socket.plt", "Is a socket", ENXIO},
                    KindCase{"Device", "/dev/zero", "Is a device", ENXIO}),
    ByCaseName());
}

#include "CPrinterAppSocket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr const char* kName = "qx-sendora-printer-app";

std::string Variable(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

bool Accepts(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    return connected;
}
}

std::vector<std::string> CPrinterAppSocket::Paths()
{
    const std::string dir = Variable("QX_SENDORA_PRINTER_APP_DIR", "");
    const bool root = getuid() == 0;
    const std::string machine =
        (root && !dir.empty() ? dir : Variable("SNAP_COMMON", "/run")) + "/" + kName + ".sock";
    if (root)
        return {machine};
    const std::string own = (dir.empty() ? Variable("TMPDIR", "/tmp") : dir) + "/" + kName +
                            std::to_string(getuid()) + ".sock";
    return {own, machine};
}

bool CPrinterAppSocket::ServerAnswers()
{
    for (const std::string& path : Paths())
        if (Accepts(path))
            return true;
    return false;
}

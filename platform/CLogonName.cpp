#include "CLogonName.h"

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {
std::string AccountName()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_name)
        return {};
    return found->pw_name;
}
}

std::string CLogonName::Get()
{
    // Without a login session (services, containers) getlogin_r fails and
    // the account of the real user id stands in.
    char name[LOGIN_NAME_MAX + 1] = {};
    if (getlogin_r(name, sizeof name) == 0 && name[0] != '\0')
        return name;
    return AccountName();
}

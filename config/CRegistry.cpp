#include "CRegistry.h"

#include "CInstallLayout.h"
#include "CProfile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {
constexpr const char* kDefaultValueName = "*";
// CProfile cuts what it reads at this length.
constexpr std::size_t kMaxStoredLength = 4096;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool HasLineBreakOrNul(const std::string& text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

bool HasOuterBlank(const std::string& text)
{
    return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

// INI reading trims blanks around names and treats "[", ";" and "=" as
// syntax, so such names would not come back as written.
bool IsStorableKeyPath(const std::string& keyPath)
{
    return !HasLineBreakOrNul(keyPath) && !HasOuterBlank(keyPath) && keyPath.find(']') == std::string::npos;
}

bool IsStorableValueName(const std::string& name)
{
    return !name.empty() && !HasLineBreakOrNul(name) && !HasOuterBlank(name) &&
           name.find('=') == std::string::npos && name.front() != '[' && name.front() != ';';
}

std::string ValueKey(const std::string& valueName)
{
    return valueName.empty() ? kDefaultValueName : valueName;
}

// Reading trims blanks and removes one pair of enclosing quotes, so a text
// that starts or ends with either is stored inside quotes.
std::string Quoted(const std::string& text)
{
    const auto special = [](char c) { return IsBlank(c) || c == '"' || c == '\''; };
    if (!text.empty() && (special(text.front()) || special(text.back())))
        return '"' + text + '"';
    return text;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// Key paths compare as INI section names do: without regard to ASCII case.
bool IsBelowOrSame(const std::string& section, const std::string& keyPath)
{
    const std::string a = Lower(section);
    const std::string b = Lower(keyPath);
    return a == b || (a.size() > b.size() && a.compare(0, b.size(), b) == 0 && a[b.size()] == '\\');
}
}

std::optional<std::string> CRegistry::HiveFile(Hive hive)
{
    const char* name = nullptr;
    switch (hive) {
    case Hive::CurrentUser: name = "HKEY_CURRENT_USER.ini"; break;
    case Hive::LocalMachine: name = "HKEY_LOCAL_MACHINE.ini"; break;
    case Hive::Users: name = "HKEY_USERS.ini"; break;
    case Hive::CurrentConfig: name = "HKEY_CURRENT_CONFIG.ini"; break;
    case Hive::ClassesRoot: return std::nullopt;
    }
    const std::string override = Environment("QX_SENDORA_REGISTRY_DIR");
    if (!override.empty())
        return override + (override.back() == '/' ? "" : "/") + name;
    // The machine-wide folder is fixed rather than taken from
    // $XDG_CONFIG_DIRS: the installer and the users' sessions need not see
    // the same value.
    return (hive == Hive::CurrentUser ? CInstallLayout::GetUserConfigFolder()
                                      : CInstallLayout::Current().GetMachineFolder()) +
           name;
}

bool CRegistry::WriteValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                           const std::string& text) const
{
    const auto file = HiveFile(hive);
    if (!file || !IsStorableKeyPath(keyPath) || !IsStorableValueName(ValueKey(valueName)) ||
        HasLineBreakOrNul(text) || text.size() > kMaxStoredLength)
        return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(*file).parent_path(), error);
    CProfile profile;
    profile.Open(*file);
    return profile.WriteString(keyPath, ValueKey(valueName), Quoted(text));
}

std::string CRegistry::ReadValue(Hive hive, const std::string& keyPath, const std::string& valueName) const
{
    const auto file = HiveFile(hive);
    if (!file)
        return {};
    CProfile profile;
    profile.Open(*file);
    return profile.GetString(keyPath, ValueKey(valueName), "");
}

bool CRegistry::KeyExists(Hive hive, const std::string& keyPath) const
{
    const auto file = HiveFile(hive);
    if (!file)
        return false;
    CProfile profile;
    profile.Open(*file);
    std::vector<std::string> sections;
    profile.GetSectionNames(sections);
    return std::any_of(sections.begin(), sections.end(),
                       [&](const std::string& section) { return IsBelowOrSame(section, keyPath); });
}

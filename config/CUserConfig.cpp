#include "CUserConfig.h"

#include "CInstallLayout.h"
#include "CProfile.h"

CUserConfig::CUserConfig(std::string path)
    : m_path(std::move(path))
{
}

CUserConfig CUserConfig::Default()
{
    return CUserConfig(CInstallLayout::Current().GetOwnConfigFolder() + kFileName);
}

std::vector<std::string> CUserConfig::ReadOwnerNames() const
{
    return ReadNames(kOwnerSection);
}

std::vector<std::string> CUserConfig::ReadPrinterNames() const
{
    return ReadNames(kPrinterSection);
}

bool CUserConfig::WriteOwnerNames(const std::vector<std::string>& names) const
{
    return WriteNames(kOwnerSection, names);
}

bool CUserConfig::WritePrinterNames(const std::vector<std::string>& names) const
{
    return WriteNames(kPrinterSection, names);
}

std::vector<std::string> CUserConfig::ReadNames(const char* section) const
{
    CProfile profile;
    profile.Open(m_path);
    std::vector<std::string> names;
    profile.GetKeyNames(section, names);
    return names;
}

bool CUserConfig::WriteNames(const char* section, const std::vector<std::string>& names) const
{
    CProfile profile;
    profile.Open(m_path);
    bool written = profile.DeleteSection(section);
    for (const std::string& name : names)
        written = profile.WriteString(section, name, "") && written;
    return written;
}

#pragma once

#include <string>
#include <vector>

// The user configuration file "QXSDUserConfig.ini": the owner names and
// printer names offered by the main window, each the key of an empty value,
// in list order. A missing file holds empty lists.
class CUserConfig {
public:
    static constexpr const char* kFileName = "QXSDUserConfig.ini";
    static constexpr const char* kOwnerSection = "Owner Name";
    static constexpr const char* kPrinterSection = "Printer Name";

    explicit CUserConfig(std::string path);
    // The user's own file of the install layout.
    static CUserConfig Default();

    const std::string& GetPath() const { return m_path; }
    std::vector<std::string> ReadOwnerNames() const;
    std::vector<std::string> ReadPrinterNames() const;
    // Rewrites the whole list: the section is deleted, then one key per name.
    bool WriteOwnerNames(const std::vector<std::string>& names) const;
    bool WritePrinterNames(const std::vector<std::string>& names) const;

private:
    std::vector<std::string> ReadNames(const char* section) const;
    bool WriteNames(const char* section, const std::vector<std::string>& names) const;

    std::string m_path;
};

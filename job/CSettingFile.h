#pragma once

#include <string>
#include <vector>

// The printer setting files of the "PrinterSetting" folder: the shipped
// "default.org", listed under the region's name for the printer defaults,
// and the user's "*.prn" files.
class CSettingFile {
public:
    struct Resolution {
        bool ok = false;
        std::string path;
        bool usesDefaultSettings = false;
    };

    // Folders end in "/".
    explicit CSettingFile(std::string folder = GetDefaultFolder(),
                          std::string fallbackFolder = GetDefaultFallbackFolder());

    // The program folder's "PrinterSetting/".
    static std::string GetDefaultFolder();
    static std::string GetDefaultFallbackFolder();

    const std::string& GetFolder() const { return m_folder; }
    // The printer defaults' name, then the titles of the "*.prn" files in the
    // order the file system gives them.
    std::vector<std::string> ListNames() const;
    // The file behind a list entry, or behind a path (a name with a "/"). A file that is gone or carries no
    // "HPPJL Version" is replaced by the fallback folder's "default.org";
    // failure when that is missing too.
    Resolution Resolve(const std::string& name) const;

private:
    std::string m_folder;
    std::string m_fallbackFolder;
};

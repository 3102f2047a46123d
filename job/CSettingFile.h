#pragma once

#include <string>
#include <vector>

// The printer setting files of the "PrinterSetting" folders: the shipped
// "default.org", listed under the region's name for the printer defaults,
// the shipped "*.prn" files and the user's own. A build tree keeps the
// user's files in the shipped folder; an installation keeps them apart, and
// a user's file hides a shipped one of the same title.
class CSettingFile {
public:
    struct Resolution {
        bool ok = false;
        std::string path;
        bool usesDefaultSettings = false;
    };

    // The install layout's folders.
    CSettingFile();
    // One folder for the user's files and the shipped ones. Folders end in "/".
    explicit CSettingFile(std::string folder, std::string fallbackFolder = GetDefaultFallbackFolder());
    CSettingFile(std::string folder, std::string shippedFolder, std::string fallbackFolder);

    // Where the user's setting files are saved.
    static std::string GetDefaultFolder();
    static std::string GetDefaultFallbackFolder();

    const std::string& GetFolder() const { return m_folder; }
    // The printer defaults' name, then the titles of the shipped "*.prn"
    // files and of the user's others, each folder in the order the file
    // system gives them.
    std::vector<std::string> ListNames() const;
    // The file behind a list entry (the user's before the shipped one), or
    // behind a path (a name with a "/"). A file that is gone or carries no
    // "HPPJL Version" is a failure, except for the printer defaults, whose
    // file is then the fallback folder's "default.org" (failure when that is
    // missing too).
    Resolution Resolve(const std::string& name) const;

private:
    std::string PathOf(const std::string& name, bool defaults) const;

    std::string m_folder;
    std::string m_shippedFolder;
    std::string m_fallbackFolder;
};

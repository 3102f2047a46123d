#pragma once

#include <string>

// Where the programs find what was shipped with them and where each user's
// own files go. A build tree keeps everything beside the programs, so that
// it runs as it is. An installation (built with QX_INSTALLED_LAYOUT) never
// writes beside the programs: each user's setting files, lists and data
// formats go to that user's XDG folders. QX_SENDORA_LAYOUT ("installed" or
// "build-tree") overrides the built choice, so that tests run both.
// Folders end in "/".
class CInstallLayout {
public:
    enum class Kind { BuildTree, Installed };

    // The layout in force.
    static CInstallLayout Current();
    explicit CInstallLayout(Kind kind);

    // The program folder: the shipped Res.dll, PrinterSetting/ and
    // configuration files.
    std::string GetShippedFolder() const;
    // Shipped data of region ZC, used where a file is missing beside the
    // program. QX_SENDORA_DATA_DIR overrides the folder.
    std::string GetFallbackFolder() const;
    // Where the user's setting files are saved; made when missing.
    std::string GetOwnSettingFolder() const;
    // Where the user's list and extension files are written; made when
    // missing. The shipped folder itself in a build tree.
    std::string GetOwnConfigFolder() const;
    // The machine-wide registry hives.
    std::string GetMachineFolder() const;
    // The user's configuration folder of the program, in either layout.
    static std::string GetUserConfigFolder();
    // The user's data folder of the program (XDG), in either layout; not made.
    static std::string GetUserDataFolder();

private:
    Kind m_kind;
};

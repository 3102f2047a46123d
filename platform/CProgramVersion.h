#pragma once

#include <optional>
#include <string>

// The program's version and the version strings of modules.
class CProgramVersion {
public:
    struct Numbers {
        int major = 0;
        int minor = 0;
        int build = 0;
        int revision = 0;
    };

    // A string of a module file's version information. The program's own
    // file name gives the compiled-in information.
    static std::optional<std::string> GetVersionString(const std::string& file, const std::string& name);
    static std::optional<Numbers> GetProgramVersion();
    // "major.minor": the last part of every registry key of the program.
    static std::string GetVersionKey();
    // "major.minor.build", as the program shows its version to the user.
    static std::string GetVersionText();
    // Parses "%d,%d,%d,%d" (blanks after the commas accepted).
    static std::optional<Numbers> ParseVersion(const std::string& text);
    // The sales region: "Comments" of the current resource module, else of
    // the fallback folder's module; empty when neither has one.
    static std::string ReadRegionCode();
};

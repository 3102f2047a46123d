#pragma once

#include <string>
#include <vector>

// The extension configuration file "QXSDExtensionFile.ini": the data
// formats in key order with their extension lists ("plt.hpg"; line feeds
// also separate), and the minimum version digit of the printer
// classification. The shipped file is the one beside the program when it
// exists, else the data folder's copy. An installation reads the data
// formats from the user's own file once it exists and writes them there,
// while the version digit always comes from the shipped file, so that an
// update of the program reaches it. Every operation looks again.
class CExtensionConfig {
public:
    static constexpr const char* kFileName = "QXSDExtensionFile.ini";
    static constexpr const char* kFormatSection = "Data Format";
    static constexpr const char* kVersionSection = "Version";

    // The file the data formats are read from.
    static std::string GetPath();
    // Where edited data formats are written: the user's own file, or in a
    // build tree, where that is the shipped file, the file read.
    static std::string GetWritePath();
    // The shipped file, which gives the version digit.
    static std::string GetShippedPath();
    // The file in programFolder when it exists there, else in fallbackFolder.
    static std::string ResolvePath(const std::string& programFolder, const std::string& fallbackFolder);

    // Appends the format names in file order.
    static void LoadDataFormats(std::vector<std::string>& formats);
    // Inserts each format's extension list (empty when missing) at the
    // format's index.
    static void LoadFormatExtensions(const std::vector<std::string>& formats, std::vector<std::string>& extensions);
    // Appends the pieces between "." and line feeds, skipping empty ones;
    // pieces are not trimmed.
    static void SplitExtensions(const std::string& text, std::vector<std::string>& pieces);
    // "2nd" of section "Version"; 0 when missing or not a number.
    static int GetMinimumVersionDigit();
};

#pragma once

#include <string>

// Where the program and its shipped data live. Folders are returned with a
// trailing "/", ready for a file name to be appended.
class CProgramPaths {
public:
    // Folder of the running executable (links followed).
    static std::string GetProgramFolder();
    // Shipped data of region ZC, used where a file is missing beside the
    // program: the install layout's fallback folder.
    static std::string GetFallbackFolder();
};

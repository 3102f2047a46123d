#pragma once

#include <functional>
#include <string>
#include <vector>

// The files of a folder tree, as the print list takes them in.
class CFolderFiles {
public:
    // Full paths of the regular files in the folder, then, depth first,
    // of its subfolders, each in natural name order (CNaturalNameOrder).
    // Hidden files and folders are left out. Links to folders are not
    // followed, so a link loop ends; unreadable folders are passed over.
    // onFound runs after each file found.
    static std::vector<std::string> Collect(const std::string& folder, const std::function<void()>& onFound);
};

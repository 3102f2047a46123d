#pragma once

#include <string>

// A private folder in the temporary folder, removed with what it holds.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // Empty when it could not be made.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

#pragma once

#include <string>

// One temporary file that a target rewrites for every input. Each write
// gives the file a modification time of its own, so that a reader reusing a
// parsed file while its size and time stay the same still sees every input.
class CFuzzFile {
public:
    CFuzzFile();
    ~CFuzzFile();
    CFuzzFile(const CFuzzFile&) = delete;
    CFuzzFile& operator=(const CFuzzFile&) = delete;

    const std::string& Path() const { return m_path; }
    void Write(const std::string& bytes);

private:
    std::string m_path;
    long m_writes = 0;
};

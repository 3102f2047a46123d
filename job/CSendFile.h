#pragma once

#include <string>

// A finished job file in the temporary folder. It is deleted when its owner
// goes, so a send that stops anywhere leaves nothing behind; moving it hands
// it on.
class CSendFile {
public:
    CSendFile() = default;
    explicit CSendFile(std::string path);
    ~CSendFile();
    CSendFile(CSendFile&& other) noexcept;
    CSendFile& operator=(CSendFile&& other) noexcept;
    CSendFile(const CSendFile&) = delete;
    CSendFile& operator=(const CSendFile&) = delete;

    // Empty when there is no file.
    const std::string& GetPath() const { return m_path; }
    // The file has moved on under another name: nothing to delete.
    void Release() { m_path.clear(); }

private:
    std::string m_path;
};

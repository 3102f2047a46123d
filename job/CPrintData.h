#pragma once

#include <string>

class CFormatTable;
class IFileSystemQuery;

// One entry of the print list: the user's file, the bytes that are sent
// (the file itself or a private copy), its data format and copies.
class CPrintData {
public:
    CPrintData() = default;
    // Deletes the private copy, never the user's file.
    virtual ~CPrintData();
    CPrintData(const CPrintData&) = delete;
    CPrintData& operator=(const CPrintData&) = delete;

    static constexpr const char* kCopyPrefix = "QSD";

    // Binds the entry to a file: checks that it can be read, copies it to
    // the temporary folder unless it lies on a local fixed or RAM disk, and
    // finds its data format. On failure the reason has been shown and no
    // copy is left behind.
    bool SetFile(const std::string& path, const CFormatTable& formats, const IFileSystemQuery& fileSystems);
    bool SetFile(const std::string& path, const CFormatTable& formats);
    // Reads the extension configuration for this one file.
    bool SetFile(const std::string& path);

    // The user's file, as it was bound.
    const std::string& GetPath() const { return m_path; }
    const std::string& GetSendPath() const { return m_sendPath; }
    const std::string& GetFileName() const { return m_fileName; }
    const std::string& GetDataFormat() const { return m_dataFormat; }
    void SetDataFormat(const std::string& format) { m_dataFormat = format; }
    int GetCopies() const { return m_copies; }
    void SetCopies(int copies) { m_copies = copies; }
    bool IsTempCopy() const { return m_isTempCopy; }

private:
    void DeleteCopy();

    bool m_isTempCopy = false;
    int m_copies = 1;
    std::string m_dataFormat;
    std::string m_path;
    std::string m_fileName;
    std::string m_sendPath;
};

#pragma once

#include "CPrintData.h"

#include <memory>
#include <string>
#include <vector>

// The print list in print order, with the job-wide choices of the next
// send. The job owns its entries.
class CPrintJob {
public:
    CPrintJob() = default;
    // Destroys the entries, and so their copies.
    virtual ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    // Null outside 0 to GetCount() - 1.
    CPrintData* GetAt(int index) const;
    // index may be GetCount() to append; false (entry not taken) when it is
    // out of range or the entry is null.
    bool InsertAt(int index, std::unique_ptr<CPrintData> entry);
    // Takes the entry out without destroying it, to move it elsewhere.
    std::unique_ptr<CPrintData> RemoveAt(int index);
    // Takes the entry out and destroys it.
    bool DeleteAt(int index);
    // Copies of the first entry; 1 for an empty list.
    int GetFirstCopies() const;

    bool GetUsesDefaultSettings() const { return m_usesDefaultSettings; }
    void SetUsesDefaultSettings(bool uses) { m_usesDefaultSettings = uses; }
    bool GetReverseOrder() const { return m_reverseOrder; }
    void SetReverseOrder(bool reverse) { m_reverseOrder = reverse; }
    bool GetCollate() const { return m_collate; }
    void SetCollate(bool collate) { m_collate = collate; }
    int GetPrinterNumber() const { return m_printerNumber; }
    void SetPrinterNumber(int number) { m_printerNumber = number; }
    const std::string& GetPrinterName() const { return m_printerName; }
    void SetPrinterName(const std::string& name) { m_printerName = name; }
    const std::string& GetOwnerName() const { return m_ownerName; }
    void SetOwnerName(const std::string& name) { m_ownerName = name; }
    const std::string& GetSettingFilePath() const { return m_settingFilePath; }
    void SetSettingFilePath(const std::string& path) { m_settingFilePath = path; }

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetCount(); }

    bool m_usesDefaultSettings = false;
    bool m_reverseOrder = false;
    bool m_collate = false;
    int m_printerNumber = 0;
    std::string m_printerName;
    std::string m_ownerName;
    std::string m_settingFilePath;
    std::vector<std::unique_ptr<CPrintData>> m_entries;
};

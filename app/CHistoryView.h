#pragma once

#include "CHistoryRecord.h"

#include <functional>
#include <string>
#include <vector>

// The rules of the history dialog without its widgets: the sends newest
// first, narrowed to one printer and to a text, and the putting back of a
// send's files into the print list.
class CHistoryView {
public:
    struct FileCheck {
        std::vector<CHistoryRecord::File> existing;
        std::vector<CHistoryRecord::File> missing;
        // There, but in the print list already.
        std::vector<CHistoryRecord::File> listed;
    };
    // Adds one file with its copies to the print list; false when it did
    // not become an entry.
    using AddFile = std::function<bool(const std::string& path, int copies)>;
    // Whether the print list holds that file already.
    using IsListed = std::function<bool(const std::string& path)>;

    // Reads the history file; a file that is not there is an empty history.
    // False, and no sends, when it cannot be read.
    bool Load(const std::string& path);
    bool IsReadable() const { return m_readable; }
    int GetTotal() const { return static_cast<int>(m_records.size()); }
    // The printers of the sends, each once, in alphabetical order.
    const std::vector<std::string>& GetPrinters() const { return m_printers; }

    // Empty: every printer.
    void SetPrinter(const std::string& printer);
    // Found in the printer, owner, setting, a file name, the result as the
    // table shows it or the message, in any case; empty: every send.
    void SetText(const std::string& text);
    // The sends that pass both, newest first.
    int GetCount() const { return static_cast<int>(m_shown.size()); }
    const CHistoryRecord& GetAt(int row) const { return m_records[m_shown[row]]; }

    // "done", "failed" ... in the region's words.
    static std::string ResultText(CHistoryRecord::Result result);
    // A setup job has no files to put back.
    static bool CanPutBack(const CHistoryRecord& record) { return !record.files.empty(); }
    // The send's files, in list order, by whether they are still there and
    // not in the print list yet.
    static FileCheck CheckFiles(const CHistoryRecord& record, const IsListed& listed);
    // Adds the files that are still there and not listed yet, in list
    // order, and names the others in a message each: those gone, those
    // listed already. How many of the send's files the list holds now.
    static int PutBack(const CHistoryRecord& record, const IsListed& listed, const AddFile& add);

private:
    void Filter();
    bool Matches(const CHistoryRecord& record) const;

    std::vector<CHistoryRecord> m_records;
    std::vector<std::string> m_printers;
    std::vector<int> m_shown;
    std::string m_printer;
    std::string m_text;
    bool m_readable = true;
};

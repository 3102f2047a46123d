#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the files of a hot folder go. A file is taken by renaming it into
// a folder of its own below .sending/, named by a unique id (the same
// drawing name comes back every day); after the printer has accepted it it
// moves on to sent/, when it cannot be sent to failed/ with NAME.reason.txt.
// Nothing is ever deleted or overwritten. One process at a time holds the
// folder.
class CWatchFolders {
public:
    static constexpr const char* kSending = ".sending";
    static constexpr const char* kSent = "sent";
    static constexpr const char* kFailed = "failed";

    // A taken file: .sending/ID/NAME.
    struct Entry {
        std::string id;
        std::string name;
        // The key the send history keeps with the file.
        std::string Source() const { return id + "/" + name; }
    };

    explicit CWatchFolders(std::string folder);
    ~CWatchFolders();
    CWatchFolders(const CWatchFolders&) = delete;
    CWatchFolders& operator=(const CWatchFolders&) = delete;

    // Creates the folders and holds them; false when it cannot, GetError()
    // telling why.
    bool Open();
    const std::string& GetError() const { return m_error; }
    const std::string& Folder() const { return m_folder; }

    // Nothing when the file has gone meanwhile or cannot be moved.
    std::optional<Entry> Take(const std::string& name);
    // What .sending/ holds, in the order taken.
    std::vector<Entry> Sending() const;
    std::string PathOf(const Entry& entry) const;
    // The new name in sent/ or failed/; nothing when the file cannot be moved.
    std::optional<std::string> ToSent(const Entry& entry);
    std::optional<std::string> ToFailed(const Entry& entry, const std::string& reason);
    // A file that is never taken goes straight to failed/.
    std::optional<std::string> Reject(const std::string& name, const std::string& reason);

private:
    std::string Below(const char* folder) const { return m_folder + "/" + folder; }
    std::optional<std::string> NewIdFolder();
    std::optional<std::string> MoveTo(const std::string& from, const char* folder, const std::string& name);
    std::string FreeName(const std::string& folder, const std::string& name) const;
    std::optional<std::string> MoveToFailed(const std::string& from, const std::string& name,
                                            const std::string& reason);
    void DropIdFolder(const Entry& entry) const;
    bool Fail(const std::string& what);

    std::string m_folder;
    int m_lock = -1;
    unsigned m_counter = 0;
    std::string m_error;
};

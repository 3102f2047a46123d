#pragma once

#include <string>
#include <vector>

class CProfile;
class CProfileBatch;

// A key of a setting file.
struct SettingKey {
    std::string section;
    std::string key;
    bool operator==(const SettingKey&) const = default;
};

// One key as its page would save it, with the text the page shows for the
// value where it shows one (a list entry's label, a colour's name).
struct SettingLine {
    SettingKey key;
    std::string value;
    std::string display;
};

// The result of changing a key as the user would through its control.
struct SettingEdit {
    enum class Status { Applied, UnknownKey, BadValue };
    Status status = Status::Applied;
    std::vector<std::string> offered;  // the values the control offers, for BadValue
};

// The rules of one page of the settings editor, without widgets: what it
// reads with which fallback, the rules between its controls, and what it
// writes in which order. The widgets show its state and pass the user's
// actions on to it.
class CSettingsPage {
public:
    virtual ~CSettingsPage() = default;

    // Reads the page from the current setting file; on the page's first
    // display. The page counts as loaded even when reading stops early.
    void Load(const CProfile& current);
    bool IsLoaded() const { return m_loaded; }

    // A loaded page writes its own keys. One never loaded copies its keys
    // (KeysToCopy) from the current file, value unchanged (a missing key as
    // "HP-PJL_NOTHING"), when the target is another file, and writes nothing
    // when it is the same file.
    void Save(CProfileBatch& target, const std::string& currentPath) const;

    // The keys the page owns, in its save order.
    virtual std::vector<SettingKey> OwnedKeys() const = 0;

    // The command line's view of a loaded page: one line per owned key.
    virtual std::vector<SettingLine> Lines() const { return {}; }
    // The change of the control owning the key, with the control's checks.
    virtual SettingEdit Edit(const SettingKey& key, const std::string& value);

protected:
    // The keys a page never loaded copies from the current file, in order.
    virtual std::vector<SettingKey> KeysToCopy(const CProfile& current) const;
    virtual void Read(const CProfile& current) = 0;
    virtual void Write(CProfileBatch& target) const = 0;

private:
    bool m_loaded = false;
};

#pragma once

#include "CRegistInput.h"
#include "CUserConfig.h"

#include <string>
#include <vector>

// The owner or printer names of the user configuration while they are being
// edited: names compare with case, nothing is written before Apply.
// Positions are list indexes, -1 for no selection.
class CNameList {
public:
    enum class Kind { Owner, Printer };

    // Reads the kind's section of the file.
    CNameList(Kind kind, CUserConfig config);

    const std::vector<std::string>& GetNames() const { return m_names; }
    // The input dialog's settings and the duplicate message of this list.
    const CRegistInput::Use& GetUse() const;
    bool IsModified() const { return m_modified; }
    // Position of the name, compared with case; -1 when not listed.
    int IndexOf(const std::string& name) const;

    // Each returns the message to show, 0 when there is none: characters
    // the file cannot hold, then duplicates. An empty name is ignored.
    unsigned Add(const std::string& name);
    // A name equal to any entry, the one changed included, is a duplicate.
    unsigned Change(int selected, const std::string& name);
    void Delete(int selected);

    // Rewrites the section whole, in list order.
    bool Apply() const;

private:
    unsigned Refusal(const std::string& name) const;
    bool IsPosition(int selected) const;

    Kind m_kind;
    CUserConfig m_config;
    std::vector<std::string> m_names;
    bool m_modified = false;
};

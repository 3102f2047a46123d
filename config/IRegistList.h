#pragma once

#include "CRegistInput.h"

#include <string>
#include <vector>

// A list the user keeps in one of the configuration files, as edited before
// it is written. Positions are list indexes, -1 for no selection.
class IRegistList {
public:
    virtual ~IRegistList() = default;

    virtual const std::vector<std::string>& GetEntries() const = 0;
    // The input dialog's settings and the duplicate message of this list.
    virtual const CRegistInput::Use& GetUse() const = 0;
    // Changed since loaded or last applied.
    virtual bool IsModified() const = 0;

    // Each stores the entry trimmed (CRegistInput::Trimmed) and returns the
    // message to show, none when it was taken: characters the file cannot
    // hold, then duplicates. An empty entry is ignored.
    virtual CRegistInput::Refusal Add(const std::string& entry) = 0;
    virtual CRegistInput::Refusal Change(int selected, const std::string& entry) = 0;
    virtual void Delete(int selected) = 0;

    virtual bool Apply() = 0;
};

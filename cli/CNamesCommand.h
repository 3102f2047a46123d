#pragma once

#include "CListCommand.h"
#include "CNameList.h"

// The owner or printer names that the main window offers.
class CNamesCommand : public CListCommand {
public:
    explicit CNamesCommand(CNameList::Kind kind);

    std::string Name() const override;

protected:
    std::string EntryName() const override { return "NAME"; }
    int List(const std::vector<std::string>& parts) override;
    std::optional<Opened> Open(const std::string& part) override;

private:
    CNameList::Kind m_kind;
};

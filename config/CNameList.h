#pragma once

#include "CUserConfig.h"
#include "IRegistList.h"

// The owner or printer names of the user configuration while they are being
// edited; nothing is written before Apply. Names compare without regard to
// case, as the file's keys do, so that none is lost when it is written.
class CNameList : public IRegistList {
public:
    enum class Kind { Owner, Printer };

    // Reads the kind's section of the file.
    CNameList(Kind kind, CUserConfig config);

    const std::vector<std::string>& GetEntries() const override { return m_names; }
    const CRegistInput::Use& GetUse() const override;
    bool IsModified() const override { return m_modified; }
    // Position of the name, compared without case; -1 when not listed.
    int IndexOf(const std::string& name) const;

    CRegistInput::Refusal Add(const std::string& name) override;
    // A name equal to any entry, the one changed included, is a duplicate;
    // the changed one may take another case.
    CRegistInput::Refusal Change(int selected, const std::string& name) override;
    void Delete(int selected) override;

    // Rewrites the section whole, in list order.
    bool Apply() override;

private:
    // changed: the position being changed, -1 when adding.
    unsigned Refusal(const std::string& name, int changed = -1) const;
    bool IsPosition(int selected) const;

    Kind m_kind;
    CUserConfig m_config;
    std::vector<std::string> m_names;
    bool m_modified = false;
};

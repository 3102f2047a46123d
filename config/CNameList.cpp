#include "CNameList.h"

#include "CIniDocument.h"

#include <algorithm>

CNameList::CNameList(Kind kind, CUserConfig config)
    : m_kind(kind)
    , m_config(std::move(config))
    , m_names(kind == Kind::Owner ? m_config.ReadOwnerNames() : m_config.ReadPrinterNames())
{
}

const CRegistInput::Use& CNameList::GetUse() const
{
    return m_kind == Kind::Owner ? CRegistInput::kOwner : CRegistInput::kPrinter;
}

int CNameList::IndexOf(const std::string& name) const
{
    const auto found = std::find_if(m_names.begin(), m_names.end(),
                                    [&name](const std::string& listed) { return CIniDocument::SameName(listed, name); });
    return found == m_names.end() ? -1 : static_cast<int>(found - m_names.begin());
}

CRegistInput::Refusal CNameList::Add(const std::string& entry)
{
    const std::string name = CRegistInput::Trimmed(entry);
    if (name.empty())
        return {};
    if (const unsigned refusal = Refusal(name))
        return {refusal, {}};
    m_names.push_back(name);
    m_modified = true;
    return {};
}

CRegistInput::Refusal CNameList::Change(int selected, const std::string& entry)
{
    const std::string name = CRegistInput::Trimmed(entry);
    if (!IsPosition(selected) || name.empty())
        return {};
    if (const unsigned refusal = Refusal(name, selected))
        return {refusal, {}};
    m_names[static_cast<std::size_t>(selected)] = name;
    m_modified = true;
    return {};
}

void CNameList::Delete(int selected)
{
    if (!IsPosition(selected))
        return;
    m_names.erase(m_names.begin() + selected);
    m_modified = true;
}

bool CNameList::Apply()
{
    m_modified = false;
    return m_kind == Kind::Owner ? m_config.WriteOwnerNames(m_names) : m_config.WritePrinterNames(m_names);
}

unsigned CNameList::Refusal(const std::string& name, int changed) const
{
    if (const unsigned message = CRegistInput::RefusalMessage(GetUse().mode, name))
        return message;
    const int index = IndexOf(name);
    // A name may change its case alone, yet an unchanged one is a duplicate.
    const bool ownCase = index >= 0 && index == changed && m_names[static_cast<std::size_t>(index)] != name;
    return index >= 0 && !ownCase ? GetUse().duplicateId : 0;
}

bool CNameList::IsPosition(int selected) const
{
    return selected >= 0 && static_cast<std::size_t>(selected) < m_names.size();
}

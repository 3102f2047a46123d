#include "CPrintJob.h"

CPrintJob::~CPrintJob()
{
    for (auto& entry : m_entries)
        entry.reset();
}

CPrintData* CPrintJob::GetAt(int index) const
{
    return IsIndex(index) ? m_entries[static_cast<std::size_t>(index)].get() : nullptr;
}

bool CPrintJob::InsertAt(int index, std::unique_ptr<CPrintData> entry)
{
    if (!entry || index < 0 || index > GetCount())
        return false;
    m_entries.insert(m_entries.begin() + index, std::move(entry));
    return true;
}

std::unique_ptr<CPrintData> CPrintJob::RemoveAt(int index)
{
    if (!IsIndex(index))
        return nullptr;
    auto entry = std::move(m_entries[static_cast<std::size_t>(index)]);
    m_entries.erase(m_entries.begin() + index);
    return entry;
}

bool CPrintJob::DeleteAt(int index)
{
    return RemoveAt(index) != nullptr;
}

int CPrintJob::GetFirstCopies() const
{
    return m_entries.empty() ? 1 : m_entries.front()->GetCopies();
}


#include "CPreviewCache.h"

#include <filesystem>
#include <functional>

namespace {
// What an entry costs besides its picture, so that many failures are bounded too.
constexpr std::size_t kEntryOverhead = 256;

std::size_t BytesOf(const CPreviewCache::Key& key, const CPreviewResult& result)
{
    return static_cast<std::size_t>(result.Image().sizeInBytes()) + result.Message().size() + key.path.size() +
           kEntryOverhead;
}
}

std::optional<CPreviewCache::Key> CPreviewCache::Key::Of(const std::string& path, const std::string& format,
                                                         int width)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return Key{path, format, width, size, static_cast<std::int64_t>(modified.time_since_epoch().count())};
}

std::size_t CPreviewCache::KeyHash::operator()(const Key& key) const
{
    std::size_t hash = std::hash<std::string>()(key.path);
    for (const std::size_t part : {std::hash<std::string>()(key.format), std::hash<int>()(key.width),
                                   std::hash<std::uintmax_t>()(key.fileSize), std::hash<std::int64_t>()(key.modified)})
        hash ^= part + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

CPreviewCache::CPreviewCache(std::size_t capacityBytes) : m_capacity(capacityBytes) {}

std::optional<CPreviewResult> CPreviewCache::Find(const Key& key)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_index.find(key);
    if (found == m_index.end())
        return std::nullopt;
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    return found->second->result;
}

void CPreviewCache::Insert(const Key& key, const CPreviewResult& result)
{
    const std::size_t bytes = BytesOf(key, result);
    if (result.GetOutcome() == CPreviewResult::Outcome::Cancelled || bytes > m_capacity)
        return;
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_index.find(key); found != m_index.end())
        EraseLocked(found->second);
    while (m_used + bytes > m_capacity)
        EraseLocked(std::prev(m_entries.end()));
    m_entries.push_front({key, result, bytes});
    m_index.emplace(key, m_entries.begin());
    m_used += bytes;
}

void CPreviewCache::Clear()
{
    const std::lock_guard lock(m_mutex);
    m_index.clear();
    m_entries.clear();
    m_used = 0;
}

std::size_t CPreviewCache::UsedBytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_used;
}

void CPreviewCache::EraseLocked(std::list<Entry>::iterator entry)
{
    m_used -= entry->bytes;
    m_index.erase(entry->key);
    m_entries.erase(entry);
}

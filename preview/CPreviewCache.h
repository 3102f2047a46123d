#pragma once

#include "CPreviewResult.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

// Previews already rendered, shared by the threads that render and those
// that show them, bounded by bytes: the least recently used go first. The
// key holds the file's modification time and size, so a file changed on
// disk misses and is rendered again. Every member is thread-safe.
class CPreviewCache {
public:
    struct Key {
        std::string path;
        std::string format;
        int width = 0;
        std::uintmax_t fileSize = 0;
        std::int64_t modified = 0;  // ticks of the file clock

        bool operator==(const Key&) const = default;
        // The file as it is on disk now; nothing when it cannot be read.
        static std::optional<Key> Of(const std::string& path, const std::string& format, int width);
    };

    static constexpr std::size_t kDefaultCapacity = std::size_t{64} << 20;

    explicit CPreviewCache(std::size_t capacityBytes = kDefaultCapacity);

    std::optional<CPreviewResult> Find(const Key& key);
    // Failures and "no preview" are kept too, so a damaged file is not read
    // again; cancelled results and pictures larger than the cache are not.
    void Insert(const Key& key, const CPreviewResult& result);
    void Clear();
    std::size_t UsedBytes() const;

private:
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        Key key;
        CPreviewResult result;
        std::size_t bytes;
    };

    void EraseLocked(std::list<Entry>::iterator entry);

    const std::size_t m_capacity;
    mutable std::mutex m_mutex;
    std::list<Entry> m_entries;  // most recently used first
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_index;
    std::size_t m_used = 0;
};

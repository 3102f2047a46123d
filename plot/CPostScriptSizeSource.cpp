#include "CPostScriptSizeSource.h"

#include "CUserFile.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {
constexpr std::size_t kScanBytes = 64 * 1024;
constexpr double kMmPerPoint = 25.4 / 72;
constexpr unsigned char kDosEpsMagic[] = {0xc5, 0xd0, 0xd3, 0xc6};

// The rest of the last (or first) line that begins with the comment.
std::optional<std::string_view> Comment(std::string_view text, std::string_view key, bool last)
{
    std::optional<std::string_view> found;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (line.substr(0, key.size()) == key) {
            found = line.substr(key.size());
            if (!last)
                return found;
        }
        at = end + 1;
    }
    return found;
}

std::optional<std::pair<double, double>> Box(std::string_view value)
{
    double numbers[4] = {};
    const char* at = value.data();
    const char* end = value.data() + value.size();
    for (double& number : numbers) {
        while (at < end && (*at == ' ' || *at == '\t'))
            ++at;
        const auto [next, error] = std::from_chars(at, end, number);
        if (error != std::errc())
            return std::nullopt;
        at = next;
    }
    return std::pair{(numbers[2] - numbers[0]) * kMmPerPoint, (numbers[3] - numbers[1]) * kMmPerPoint};
}

// A comment's value, from the trailer where the head defers it.
std::optional<std::string_view> Value(std::string_view head, std::string_view trailer, std::string_view key)
{
    const auto value = Comment(head, key, false);
    if (value && value->find("(atend)") != std::string_view::npos)
        return Comment(trailer, key, true);
    return value;
}

std::string Read(std::FILE* file, std::uint64_t from, std::size_t count)
{
    std::string text(count, '\0');
    if (fseeko(file, static_cast<off_t>(from), SEEK_SET) != 0)
        return {};
    text.resize(std::fread(text.data(), 1, count, file));
    return text;
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
}

PlotSizeResult CPostScriptSizeSource::SizeOf(std::string_view head, std::string_view trailer)
{
    std::optional<std::pair<double, double>> size;
    for (const std::string_view key : {"%%HiResBoundingBox:", "%%BoundingBox:"}) {
        const auto value = Value(head, trailer, key);
        size = value ? Box(*value) : std::nullopt;
        if (size && size->first > 0 && size->second > 0)
            break;
        size.reset();
    }
    if (!size)
        return {{}, kNoBoundingBox};
    int pages = 1;
    if (const auto value = Value(head, trailer, "%%Pages:")) {
        const std::size_t digits = value->find_first_not_of(' ');
        if (digits != std::string_view::npos)
            std::from_chars(value->data() + digits, value->data() + value->size(), pages);
    }
    return {CPlotSize(size->first, size->second, std::max(pages, 1)), {}};
}

PlotSizeResult CPostScriptSizeSource::ReadSize(const std::string& path) const
{
    const auto opened = CUserFile::OpenStream(path);
    struct stat info {};
    if (!opened || fstat(fileno(opened.get()), &info) != 0)
        return {{}, "cannot open " + path};
    std::FILE* file = opened.get();
    std::uint64_t length = static_cast<std::uint64_t>(info.st_size);
    std::uint64_t start = 0;
    std::string head = Read(file, 0, kScanBytes);
    // A DOS EPS file names where its PostScript lies among other data.
    if (head.size() >= 12 && head.compare(0, 4, reinterpret_cast<const char*>(kDosEpsMagic), 4) == 0) {
        start = std::min<std::uint64_t>(LittleEndian(head, 4), length);
        length = std::min<std::uint64_t>(LittleEndian(head, 8), length - start);
        head = Read(file, start, static_cast<std::size_t>(std::min<std::uint64_t>(length, kScanBytes)));
    }
    const std::uint64_t tail = std::min<std::uint64_t>(length, kScanBytes);
    return SizeOf(head, Read(file, start + length - tail, static_cast<std::size_t>(tail)));
}

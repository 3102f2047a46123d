#include "CIniDocument.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

// An INI file written back is the file read, byte for byte; an edit changes
// only the lines it concerns and every other line keeps its bytes (a last
// line without a line break may gain one). A plain key written reads back.
namespace {
void Require(bool condition, const char* what)
{
    if (!condition)
        PropertyBroken(what);
}

bool HasAny(const std::string& text, const char* characters)
{
    return text.find_first_of(characters) != std::string::npos;
}

// Where each line of a text starts, then where the text ends: line i is
// bytes [starts[i], starts[i + 1]), its line break (CR LF, LF or CR) included.
std::vector<std::size_t> LineStarts(const std::string& bytes)
{
    std::vector<std::size_t> starts{0};
    while (starts.back() < bytes.size()) {
        std::size_t end = std::min(bytes.find_first_of("\r\n", starts.back()), bytes.size());
        if (end < bytes.size())
            end += bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        starts.push_back(end);
    }
    return starts;
}

// The largest k up to most for which holds(k), holds being true for every smaller k.
template <class Holds>
std::size_t Largest(std::size_t most, Holds holds)
{
    std::size_t k = 0;
    while (k < most && holds(k + 1))
        ++k;
    return k;
}

// Every old line keeps its bytes except at most `removed` consecutive ones,
// in whose place at most `added` new lines may stand. A line ended by a lone
// CR can match the start of a CR LF, so the lines kept at either end may be
// one fewer than the most that match.
void RequireKept(const std::string& before, const std::string& after, std::size_t removed, std::size_t added)
{
    const auto starts = LineStarts(before);
    const std::size_t lines = starts.size() - 1;
    // The bytes of the last `tail` lines.
    const auto back = [&](std::size_t tail) { return before.size() - starts[lines - tail]; };
    const auto opens = [&](std::size_t head) {
        return starts[head] <= after.size() && after.compare(0, starts[head], before, 0, starts[head]) == 0;
    };
    const auto closes = [&](std::size_t head, std::size_t tail) {
        return starts[head] + back(tail) <= after.size() &&
               after.compare(after.size() - back(tail), back(tail), before, starts[lines - tail]) == 0;
    };
    const auto fits = [&](std::size_t head, std::size_t tail) {
        std::string middle = after.substr(starts[head], after.size() - starts[head] - back(tail));
        if (head == lines && head > 0 && !HasAny(before.substr(before.size() - 1), "\r\n"))
            middle.erase(0, middle.starts_with("\r\n") ? 2 : HasAny(middle.substr(0, 1), "\r\n") ? 1 : 0);
        return lines - head - tail <= removed && LineStarts(middle).size() - 1 <= added;
    };
    bool kept = false;
    const std::size_t most = Largest(lines, opens);
    for (std::size_t head = most > 0 ? most - 1 : 0; head <= most; ++head) {
        const std::size_t tail = Largest(lines - head, [&](std::size_t t) { return closes(head, t); });
        for (std::size_t t = tail > 0 ? tail - 1 : 0; t <= tail; ++t)
            kept = kept || fits(head, t);
    }
    Require(kept, "an edit changed lines it does not concern");
}

bool BlankEdged(const std::string& text)
{
    return !text.empty() && (HasAny(text.substr(0, 1), " \t") || HasAny(text.substr(text.size() - 1), " \t"));
}

// Names the program writes: no blanks at the edges, and nothing that would
// make the line a section header or a comment.
bool IsPlainKey(const std::string& key)
{
    return !HasAny(key, "=") && !BlankEdged(key) && (key.empty() || (key[0] != '[' && key[0] != ';'));
}

bool IsPlainSection(const std::string& section)
{
    return !HasAny(section, "]") && !BlankEdged(section);
}

std::string ReadBack(std::string value)
{
    const auto begin = value.find_first_not_of(" \t");
    value = begin == std::string::npos ? "" : value.substr(begin, value.find_last_not_of(" \t") - begin + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int edit = input.ConsumeIntegralInRange(0, 2);
    const std::string section = input.ConsumeRandomLengthString(32);
    const std::string key = input.ConsumeRandomLengthString(32);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    CIniDocument document(bytes);
    Require(document.Bytes() == bytes, "the file written back differs from the file read");
    document.Find(section, key);
    document.KeyNames(section);
    document.SectionNames();
    // Like the profile, refuse line breaks, which would split the entry.
    if (edit == 0 && !HasAny(section + key + value, "\r\n")) {
        document.Set(section, key, value);
        RequireKept(bytes, document.Bytes(), 1, 2);
        if (IsPlainSection(section) && IsPlainKey(key))
            Require(CIniDocument(document.Bytes()).Find(section, key) == ReadBack(value),
                    "a written key does not read back");
    } else if (edit == 1) {
        document.RemoveKey(section, key);
        RequireKept(bytes, document.Bytes(), 1, 0);
    } else {
        document.RemoveSection(section);
        RequireKept(bytes, document.Bytes(), bytes.size(), 0);
    }
    return 0;
}

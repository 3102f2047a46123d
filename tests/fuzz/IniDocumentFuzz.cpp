#include "CIniDocument.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

// An INI file written back is the file read, byte for byte; an edit changes
// only the lines it concerns and every other line keeps its bytes (a last
// line without a line break may gain one). A plain key written reads back.
namespace {
struct Line {
    std::string text;
    std::string ending;
};

std::vector<Line> Lines(const std::string& bytes)
{
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        std::size_t next = end;
        if (next < bytes.size())
            next += bytes.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({bytes.substr(at, end - at), bytes.substr(end, next - end)});
        at = next;
    }
    return lines;
}

void Require(bool condition, const char* what)
{
    if (!condition)
        PropertyBroken(what);
}

std::string Bytes(const Line& line)
{
    return line.text + line.ending;
}

// Whether after is the first `head` and the last `tail` old lines with at
// most `added` new lines between them. A last line without a line break may
// gain one.
bool Fits(const std::vector<Line>& lines, const std::string& after, std::size_t head, std::size_t tail,
          std::size_t added)
{
    std::string front, back;
    for (std::size_t i = 0; i < head; ++i)
        front += Bytes(lines[i]);
    for (std::size_t i = lines.size() - tail; i < lines.size(); ++i)
        back += Bytes(lines[i]);
    if (front.size() + back.size() > after.size() || after.compare(0, front.size(), front) != 0 ||
        after.compare(after.size() - back.size(), back.size(), back) != 0)
        return false;
    std::string middle = after.substr(front.size(), after.size() - front.size() - back.size());
    if (head > 0 && lines[head - 1].ending.empty() && !middle.empty())
        middle.erase(0, middle.compare(0, 2, "\r\n") == 0 ? 2 : (middle[0] == '\r' || middle[0] == '\n') ? 1 : 0);
    return Lines(middle).size() <= added;
}

// Most old lines whose bytes open after, or, past the first `head` of them,
// close it.
std::size_t Matching(const std::vector<Line>& lines, const std::string& after, std::size_t head, bool front)
{
    std::size_t used = 0;
    for (std::size_t i = 0; i < head; ++i)
        used += Bytes(lines[i]).size();
    std::size_t count = 0, matched = 0;
    for (; count < lines.size() - head; ++count) {
        const std::string bytes = Bytes(lines[front ? count : lines.size() - 1 - count]);
        const std::size_t at = front ? matched : after.size() - matched - bytes.size();
        if (used + matched + bytes.size() > after.size() || after.compare(at, bytes.size(), bytes) != 0)
            break;
        matched += bytes.size();
    }
    return count;
}

// Every old line keeps its bytes except at most `removed` consecutive ones,
// in whose place at most `added` new lines may stand. A line ended by a lone
// CR can match the start of a CR LF, so the ends may be off by one line.
void RequireKept(const std::string& before, const std::string& after, std::size_t removed, std::size_t added)
{
    const auto lines = Lines(before);
    const std::size_t most = Matching(lines, after, 0, true);
    bool kept = false;
    for (std::size_t head = most > 0 ? most - 1 : 0; head <= most; ++head) {
        const std::size_t tail = Matching(lines, after, head, false);
        for (std::size_t t = tail > 0 ? tail - 1 : 0; t <= tail; ++t)
            kept = kept || (lines.size() - head - t <= removed && Fits(lines, after, head, t, added));
    }
    Require(kept, "an edit changed lines it does not concern");
}

bool HasAny(const std::string& text, const char* characters)
{
    return text.find_first_of(characters) != std::string::npos;
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

#include "CContentRecogniser.h"

#include "CUserFile.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {
constexpr char kEsc = '\x1b';

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Only at the very start: both keep offsets from the file's first byte.
PlotFormat RecogniseAtOffsetZero(std::string_view head)
{
    if (StartsWith(head, std::string_view("II*\0", 4)) || StartsWith(head, std::string_view("MM\0*", 4))
        || StartsWith(head, std::string_view("II+\0", 4)) || StartsWith(head, std::string_view("MM\0+", 4)))
        return PlotFormat::Tiff;
    if (StartsWith(head, "\xc5\xd0\xd3\xc6"))  // DOS EPS binary header
        return PlotFormat::PostScript;
    static constexpr std::array<std::string_view, 11> kCalsKeys = {
        "srcdocid", "dstdocid", "txtfilid", "figid", "srcgph", "doccls", "rtype", "rorient", "rpelcnt", "rdensty",
        "notes"};
    const std::string_view first = head.substr(0, head.find(':'));
    if (first.size() < head.size() && first.size() <= 8)
        for (const std::string_view key : kCalsKeys)
            if (std::equal(key.begin(), key.end(), first.begin(), first.end(),
                           [](char a, char b) { return a == (b | 0x20); }))
                return PlotFormat::Cals;
    return PlotFormat::Unknown;
}

// Passes over one PCL escape sequence: a two-character one (ESC E), or a
// parameter character, a group character and values with their terminators
// (ESC & l 1 o 2 A), with the bytes a "W" terminator announces. Sets "hpgl"
// at the switch to HP-GL/2 (ESC % n B).
bool SkipPclEscape(std::string_view& rest, bool& hpgl)
{
    if (rest.size() < 2 || rest[1] < '!' || rest[1] > '~')
        return false;
    if (rest[1] >= '0') {
        rest.remove_prefix(2);
        return true;
    }
    std::size_t at = 2 + (rest[1] != '%' && rest.size() > 2 && rest[2] >= '`');
    for (;;) {
        const std::size_t digits = at;
        while (at < rest.size() && std::string_view("+-.0123456789").find(rest[at]) != std::string_view::npos)
            ++at;
        if (at >= rest.size() || !IsLetter(rest[at]))
            return false;
        const char terminator = rest[at++];
        if (terminator == 'W')
            at += static_cast<std::size_t>(std::max(0L, std::atol(std::string(rest.substr(digits, 9)).c_str())));
        hpgl = rest[1] == '%' && terminator == 'B';
        if (terminator < 'a' || at >= rest.size())
            break;
    }
    rest.remove_prefix(std::min(at, rest.size()));
    return true;
}

// A plotter's RS-232 device control (ESC . and a letter, some with
// parameters up to a colon).
bool SkipDeviceControl(std::string_view& rest)
{
    if (rest.size() < 3)
        return false;
    if (std::string_view("()YZBEJKLOPRSU").find(rest[2]) != std::string_view::npos) {
        rest.remove_prefix(3);
        return true;
    }
    const std::size_t colon = rest.substr(0, 80).find(':');
    if (colon == std::string_view::npos)
        return false;
    rest.remove_prefix(colon + 1);
    return true;
}

// Drops what drivers put before the data itself. Returns false at bytes
// that are neither such a prefix nor data; "hpgl" tells that a PCL switch
// to HP-GL/2 was passed.
bool SkipPrefix(std::string_view& rest, bool& hpgl)
{
    while (!rest.empty() && !hpgl) {
        const char c = rest.front();
        if (c == '\0' || c == '\x04' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f')
            rest.remove_prefix(1);
        else if (StartsWith(rest, "\x1b%-12345X"))
            rest.remove_prefix(9);
        else if (StartsWith(rest, "@PJL"))
            rest.remove_prefix(std::min(rest.size(), rest.find('\n')));
        else if (c == kEsc && rest.size() > 1 && rest[1] == '.') {
            if (!SkipDeviceControl(rest))
                return false;
        } else if (c == kEsc) {
            if (!SkipPclEscape(rest, hpgl))
                return false;
        } else
            break;
    }
    return true;
}

bool IsHpglMnemonic(char first, char second)
{
    // The commands that open or fill real plot files, from plotters of the
    // 1980s to today's drivers.
    static constexpr std::string_view kMnemonics =
        "AA AC AD AF AH AP AR AS AT BL BP BR BZ CA CC CI CM CO CP CR CS CT CV DC DF DI DL DP DR DS DT DV EA EC EP ER "
        "ES EW FI FN FP FR FS FT GC GM GP IM IN IP IR IV IW LA LB LM LO LT MC MG MT NP NR OA OC OD OE OF OG OH OI OL "
        "OO OP OS OT OW PA PB PC PD PE PG PM PP PR PS PT PU PW QL RA RF RO RP RR RT SA SB SC SD SG SI SL SM SP SR SS "
        "ST SV TD TL TR UC UF UL VS WD WG WU XT YT";
    const char pair[2] = {Upper(first), Upper(second)};
    for (std::size_t at = 0; at + 1 < kMnemonics.size(); at += 3)
        if (kMnemonics[at] == pair[0] && kMnemonics[at + 1] == pair[1])
            return true;
    return false;
}

bool TakesText(const char* command)
{
    static constexpr std::array<std::string_view, 6> kTextCommands = {"LB", "PE", "CO", "DT", "BL", "SM"};
    return std::find(kTextCommands.begin(), kTextCommands.end(), std::string_view(command, 2)) != kTextCommands.end();
}

// Whether the text opens with HP-GL commands: known mnemonics, their
// parameters numbers, until one of them shows itself as a command by a
// number, a semicolon or text of its own. Words of prose run into an
// unknown pair first.
bool OpensWithHpgl(std::string_view rest)
{
    constexpr int kMaxCommands = 8;
    bool evidence = false;
    for (int commands = 0; commands < kMaxCommands; ++commands) {
        while (!rest.empty() && std::string_view(" \t\r\n;,").find(rest.front()) != std::string_view::npos) {
            evidence = evidence || rest.front() == ';';
            rest.remove_prefix(1);
        }
        if (rest.empty() || (evidence && commands >= 2))
            return commands > 0;
        if (rest.size() < 2 || !IsLetter(rest[0]) || !IsLetter(rest[1]) || !IsHpglMnemonic(rest[0], rest[1]))
            return false;
        const char command[2] = {Upper(rest[0]), Upper(rest[1])};
        rest.remove_prefix(2);
        if (TakesText(command))
            return true;
        while (!rest.empty() && std::string_view("+-.0123456789 \t\r\n,").find(rest.front()) != std::string_view::npos) {
            evidence = evidence || (rest.front() >= '0' && rest.front() <= '9');
            rest.remove_prefix(1);
        }
    }
    return false;
}

// TIFF and CALS only count at the file's first byte; after a run of NULs
// only what drivers put there does.
PlotFormat RecogniseHead(std::string_view rest, bool atFileStart)
{
    const PlotFormat atStart = atFileStart ? RecogniseAtOffsetZero(rest) : PlotFormat::Unknown;
    if (atStart != PlotFormat::Unknown)
        return atStart;
    bool hpgl = false;
    if (!SkipPrefix(rest, hpgl))
        return PlotFormat::Unknown;
    if (hpgl)
        return OpensWithHpgl(rest) || rest.empty() ? PlotFormat::Hpgl : PlotFormat::Unknown;
    if (StartsWith(rest, "%PDF-"))
        return PlotFormat::Pdf;
    if (StartsWith(rest, "%!"))
        return PlotFormat::PostScript;
    return OpensWithHpgl(rest) ? PlotFormat::Hpgl : PlotFormat::Unknown;
}
}

PlotFormat CContentRecogniser::Recognise(const unsigned char* data, std::size_t size)
{
    return RecogniseHead(std::string_view(reinterpret_cast<const char*>(data), data ? size : 0), true);
}

namespace {
// The offset of the first byte that is not NUL, within the run followed.
off_t FirstNotNul(int fd)
{
    std::vector<char> block(64 * 1024);
    off_t at = 0;
    while (at < static_cast<off_t>(CContentRecogniser::kMaxNulRun)) {
        const ssize_t got = pread(fd, block.data(), block.size(), at);
        if (got <= 0)
            return at;
        const auto found = std::find_if(block.begin(), block.begin() + got, [](char c) { return c != '\0'; });
        if (found != block.begin() + got)
            return at + (found - block.begin());
        at += got;
    }
    return at;
}
}

PlotFormat CContentRecogniser::RecogniseFile(const std::string& path)
{
    const CUserFile file(path);
    if (!file.IsOpen())
        return PlotFormat::Unknown;
    PlotFormat format = PlotFormat::Unknown;
    const off_t start = FirstNotNul(file.GetFd());
    if (start < static_cast<off_t>(kMaxNulRun)) {
        std::vector<char> head(kHeadSize);
        const ssize_t got = pread(file.GetFd(), head.data(), head.size(), start);
        if (got > 0)
            format = RecogniseHead(std::string_view(head.data(), static_cast<std::size_t>(got)), start == 0);
    }
    return format;
}

PlotFormat CContentRecogniser::NamedOrRecognised(const std::string& formatName, const std::string& path)
{
    const PlotFormat named = PlotFormatOf(formatName);
    return named != PlotFormat::Unknown ? named : RecogniseFile(path);
}

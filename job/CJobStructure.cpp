#include "CJobStructure.h"

#include "CUserFile.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

namespace {
constexpr char kUel[] = "\x1b%-12345X";
constexpr std::size_t kUelSize = sizeof kUel - 1;

// Buffered reading of PJL lines and of plot data up to the next UEL.
class CJobReader {
public:
    explicit CJobReader(std::FILE* file)
        : m_file(file)
    {
    }

    bool AtEnd() { return Peek() == EOF; }

    bool ReadUel()
    {
        for (std::size_t i = 0; i < kUelSize; ++i)
            if (Next() != static_cast<unsigned char>(kUel[i]))
                return false;
        return true;
    }

    // A line up to its line feed (not included); false at the end of the
    // file or when the next bytes are not a PJL line.
    bool ReadPjlLine(std::string& line)
    {
        if (Peek() != '@')
            return false;
        line.clear();
        for (int c = Next(); c != '\n'; c = Next()) {
            if (c == EOF)
                return false;
            line += static_cast<char>(c);
        }
        return true;
    }

    // Counts data bytes up to and including the next UEL; false when the
    // file ends first.
    bool SkipData(std::uint64_t& size)
    {
        std::size_t matched = 0;
        std::uint64_t count = 0;
        for (int c = Next(); c != EOF; c = Next()) {
            ++count;
            if (c == static_cast<unsigned char>(kUel[matched]))
                ++matched;
            else
                matched = c == 0x1b ? 1 : 0;
            if (matched == kUelSize) {
                size = count - kUelSize;
                return true;
            }
        }
        return false;
    }

private:
    int Peek()
    {
        const int c = std::fgetc(m_file);
        if (c != EOF)
            std::ungetc(c, m_file);
        return c;
    }
    int Next() { return std::fgetc(m_file); }

    std::FILE* m_file;
};

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// A PJL command line "NAME = VALUE", split at its first " = ".
struct Command {
    std::string name;
    std::optional<std::string> value;
};

Command Split(const std::string& line)
{
    const auto at = line.find(" = ");
    if (at == std::string::npos)
        return {line, std::nullopt};
    return {line.substr(0, at), line.substr(at + 3)};
}

std::optional<std::string> Unquoted(const std::optional<std::string>& value)
{
    if (!value || value->size() < 2 || value->front() != '"' || value->back() != '"')
        return std::nullopt;
    return value->substr(1, value->size() - 2);
}

std::string NoValue(const std::string& line)
{
    return "the line \"" + line + "\" has no value";
}

std::string NoQuotedValue(const std::string& line)
{
    return "the line \"" + line + "\" has no quoted value";
}

class CJobParser {
public:
    CJobParser(std::FILE* file, CJobStructure::Reading& reading)
        : m_reader(file)
        , m_job(reading.job)
        , m_reading(reading)
    {
    }

    bool Parse()
    {
        std::string line;
        if (!m_reader.ReadUel() || !m_reader.ReadPjlLine(line) || line != "@PJL")
            return Fail("the job does not start with UEL and @PJL");
        m_job.header.push_back(line);
        while (m_reader.ReadPjlLine(line)) {
            if (!Take(line))
                return false;
            if (m_done)
                return Finish();
        }
        return Fail("the job has no EOJ line");
    }

private:
    bool Take(const std::string& line)
    {
        const Command command = Split(line);
        if (StartsWith(line, "@PJL EOJ"))
            return TakeEnd(line, command);
        if (StartsWith(line, "@PJL JOB"))
            return TakeJobName(line, command);
        if ((StartsWith(line, "@PJL SET ") || StartsWith(line, "@PJL DEFAULT ")) && !command.value)
            return Fail(NoValue(line));
        if (StartsWith(line, "@PJL SET ") || StartsWith(line, "@PJL ENTER LANGUAGE")) {
            m_group.push_back(line);
            return StartsWith(line, "@PJL ENTER LANGUAGE") ? TakeEntry() : true;
        }
        (StartsWith(line, "@PJL INQUIRE") ? m_job.trailer : m_job.header).push_back(line);
        return true;
    }

    bool TakeJobName(const std::string& line, const Command& command)
    {
        const auto name = Unquoted(command.value);
        if (command.name != "@PJL JOB NAME" || !name)
            return Fail(NoQuotedValue(line));
        m_job.jobName = *name;
        m_hasJobName = true;
        m_job.header.push_back(line);
        return true;
    }

    bool TakeEnd(const std::string& line, const Command& command)
    {
        const auto name = Unquoted(command.value);
        if (command.name != "@PJL EOJ NAME" || !name)
            return Fail(NoQuotedValue(line));
        m_job.trailer.push_back(line);
        m_done = true;
        if (!m_group.empty())
            return Fail("entry " + std::to_string(m_job.entries.size() + 1) + " has no ENTER LANGUAGE line");
        if (!m_hasJobName)
            return Fail("the job has no JOB NAME line");
        if (*name != m_job.jobName)
            return Fail("the EOJ name differs from the JOB name");
        return true;
    }

    bool TakeEntry()
    {
        CJobStructure::Entry entry;
        entry.pjlLines = std::move(m_group);
        m_group.clear();
        for (const auto& line : entry.pjlLines)
            if (!TakeEntryValue(line, entry))
                return false;
        if (!m_reader.SkipData(entry.dataSize))
            return Fail("entry " + std::to_string(m_job.entries.size() + 1) + " has no closing UEL");
        m_job.entries.push_back(std::move(entry));
        return true;
    }

    bool TakeEntryValue(const std::string& line, CJobStructure::Entry& entry)
    {
        const Command command = Split(line);
        if (command.name == "@PJL SET FILENAME") {
            const auto name = Unquoted(command.value);
            if (!name)
                return Fail(NoQuotedValue(line));
            entry.fileName = *name;
        }
        if (StartsWith(line, "@PJL ENTER LANGUAGE")) {
            if (command.name != "@PJL ENTER LANGUAGE" || command.value.value_or("").empty())
                return Fail(NoValue(line));
            entry.language = *command.value;
        }
        return true;
    }

    bool Finish()
    {
        if (!m_reader.ReadUel())
            return Fail("the job does not end with UEL");
        if (!m_reader.AtEnd())
            return Fail("bytes follow the final UEL");
        return true;
    }

    bool Fail(const std::string& reason)
    {
        m_reading.outcome = CJobStructure::EOutcome::Damaged;
        m_reading.reason = reason;
        return false;
    }

    CJobReader m_reader;
    CJobStructure::Job& m_job;
    CJobStructure::Reading& m_reading;
    std::vector<std::string> m_group;
    bool m_hasJobName = false;
    bool m_done = false;
};

CJobStructure::Reading Unreadable(const std::string& verb, const std::string& path, const std::string& reason)
{
    CJobStructure::Reading reading;
    reading.outcome = CJobStructure::EOutcome::Unreadable;
    reading.reason = "cannot " + verb + " " + path + ": " + reason;
    return reading;
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out)
{
    for (const auto& line : lines)
        out << "  " << line << '\n';
}
}

CJobStructure::Reading CJobStructure::Read(const std::string& path)
{
    CUserFile opened(path);
    const CUserFile::Stream file(opened.ReleaseStream(), &std::fclose);
    if (!file)
        return Unreadable("open", path, opened.GetReason());
    Reading reading = Read(file.get());
    if (std::ferror(file.get()))
        reading = Unreadable("read", path, std::strerror(errno));
    return reading;
}

CJobStructure::Reading CJobStructure::Read(std::FILE* file)
{
    Reading reading;
    CJobParser(file, reading).Parse();
    return reading;
}

void CJobStructure::Print(const Job& job, std::ostream& out)
{
    out << "header:\n";
    PrintLines(job.header, out);
    for (std::size_t i = 0; i < job.entries.size(); ++i) {
        const Entry& entry = job.entries[i];
        out << "entry " << i + 1 << ":\n";
        PrintLines(entry.pjlLines, out);
        out << "  language: " << entry.language << "\n  file name: " << entry.fileName << "\n  data: " << entry.dataSize
            << " bytes\n";
    }
    out << "trailer:\n";
    PrintLines(job.trailer, out);
}

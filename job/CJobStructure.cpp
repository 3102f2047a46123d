#include "CJobStructure.h"

#include <cstdio>
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

// The value of NAME = "x" lines without its quotes.
std::string QuotedValue(const std::string& line)
{
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    return open == std::string::npos || close <= open ? line.substr(line.find('=') + 2)
                                                      : line.substr(open + 1, close - open - 1);
}

class CJobParser {
public:
    CJobParser(std::FILE* file, CJobStructure::Job& job, std::string& error)
        : m_reader(file)
        , m_job(job)
        , m_error(error)
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
        if (StartsWith(line, "@PJL EOJ")) {
            m_job.trailer.push_back(line);
            m_done = true;
            if (QuotedValue(line) != m_job.jobName)
                return Fail("the EOJ name differs from the JOB name");
            return true;
        }
        if (StartsWith(line, "@PJL SET ") || StartsWith(line, "@PJL ENTER LANGUAGE")) {
            m_group.push_back(line);
            return StartsWith(line, "@PJL ENTER LANGUAGE") ? TakeEntry() : true;
        }
        if (StartsWith(line, "@PJL JOB NAME"))
            m_job.jobName = QuotedValue(line);
        (StartsWith(line, "@PJL INQUIRE") ? m_job.trailer : m_job.header).push_back(line);
        return true;
    }

    bool TakeEntry()
    {
        CJobStructure::Entry entry;
        entry.pjlLines = std::move(m_group);
        m_group.clear();
        for (const auto& line : entry.pjlLines) {
            if (StartsWith(line, "@PJL SET FILENAME"))
                entry.fileName = QuotedValue(line);
            if (StartsWith(line, "@PJL ENTER LANGUAGE"))
                entry.language = line.substr(line.find('=') + 2);
        }
        if (!m_reader.SkipData(entry.dataSize))
            return Fail("entry " + std::to_string(m_job.entries.size() + 1) + " has no closing UEL");
        m_job.entries.push_back(std::move(entry));
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
        m_error = reason;
        return false;
    }

    CJobReader m_reader;
    CJobStructure::Job& m_job;
    std::string& m_error;
    std::vector<std::string> m_group;
    bool m_done = false;
};

void PrintLines(const std::vector<std::string>& lines, std::ostream& out)
{
    for (const auto& line : lines)
        out << "  " << line << '\n';
}
}

bool CJobStructure::Read(const std::string& path, Job& job, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const bool ok = CJobParser(file, job, error).Parse();
    std::fclose(file);
    return ok;
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

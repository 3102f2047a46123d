#pragma once

#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

// Reads a job file back into its parts, streaming, so that a user can see
// what was (or would be) sent and a damaged job is recognised.
class CJobStructure {
public:
    struct Entry {
        std::vector<std::string> pjlLines;  // from the first SET line to ENTER LANGUAGE
        std::string language;
        std::string fileName;
        std::uint64_t dataSize = 0;
    };
    struct Job {
        std::vector<std::string> header;  // job header and settings block
        std::vector<Entry> entries;
        std::vector<std::string> trailer;  // INQUIRE lines of a setup job and EOJ
        std::string jobName;
    };

    enum class EOutcome { Complete, Unreadable, Damaged };
    struct Reading {
        EOutcome outcome = EOutcome::Complete;
        std::string reason;  // why the job is not complete
        Job job;             // as far as it could be read
    };

    static Reading Read(const std::string& path);
    // The job from the stream's current position to its end.
    static Reading Read(std::FILE* file);
    static void Print(const Job& job, std::ostream& out);
};

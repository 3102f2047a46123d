#pragma once

#include <cstdint>
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

    // False with a reason when the file is not a complete job.
    static bool Read(const std::string& path, Job& job, std::string& error);
    static void Print(const Job& job, std::ostream& out);
};

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One send as the history keeps it: recorded when its upload starts and
// completed when the upload ends. A record whose upload never ended (the
// program stopped meanwhile) stays Unfinished, so that a sender can find
// it again, remove the partial file from the printer and send once more.
struct CHistoryRecord {
    enum class Result { Unfinished, Done, Cancelled, Failed };

    struct File {
        std::string name;        // the file name as the print list shows it
        std::uint64_t size = 0;  // bytes of the user's file
        // The sender's own key for this file (e.g. a watcher's queue entry);
        // empty when it has none.
        std::string source;
        // The user's file as it was added, so that a send can be put back
        // into the print list.
        std::string path = {};
        int copies = 1;
    };

    std::int64_t id = 0;    // given by the history; 0 before recording
    std::int64_t time = 0;  // start of the upload, seconds since 1970 (UTC); 0 records "now"
    std::string printer;    // as chosen: HOST[:PORT]
    int number = 0;         // the printer number, 0 to 99
    std::string owner;
    std::string setting;     // the setting file's name
    std::vector<File> files; // in list order; none for a setup job
    std::uint64_t jobBytes = 0;
    std::string remoteName;  // folder and name on the printer, "plt07p/A0.hpg.pjl"
    std::string tag;         // the sender's own key for the whole send; empty when none
    Result result = Result::Unfinished;
    std::string message;     // the text shown when the send failed
    double seconds = 0;      // how long the upload took
    // The printer application's queue and the job's media (a PWG size name);
    // empty for the other front ends.
    std::string queue = {};
    std::string media = {};

    // "unfinished", "done", "cancelled", "failed".
    static const char* ResultName(Result result);
    static std::optional<Result> ParseResult(const std::string& name);
};

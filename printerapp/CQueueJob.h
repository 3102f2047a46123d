#pragma once

#include <string>
#include <vector>

// A job of one of the printer application's queues, as the send takes it:
// what PAPPL knew of it translated into our words.
struct CQueueJob {
    struct Document {
        std::string path;  // the spooled document or a page written from raster
        std::string name;  // the file name in the job
        std::string mimeType;
    };

    std::vector<Document> documents;
    int copies = 1;
    std::string owner;
    // A setting name as listed; empty when the client asked for a setting
    // keyword that the queue does not offer.
    std::string setting;
    // Why the job cannot go at all (an unknown setting); empty when it can.
    std::string refusal;
    // The job's own key in the send history, the same after a restart.
    std::string key;
    std::string deviceUri;
    std::string queue;
    std::string media;
};

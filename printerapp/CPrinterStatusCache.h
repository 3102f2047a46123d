#pragma once

#include "CPrinterQuery.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// What the printers said in their last status dialogue, by device URI. The
// dialogues run on a thread of ours, so that no client request and no
// timer of PAPPL waits on a printer.
class CPrinterStatusCache {
public:
    struct State {
        bool answering = true;
        std::string message;  // why not, in our words
        std::optional<CPrinterQuery::Answer> answer;
    };

    CPrinterStatusCache();
    ~CPrinterStatusCache();
    CPrinterStatusCache(const CPrinterStatusCache&) = delete;
    CPrinterStatusCache& operator=(const CPrinterStatusCache&) = delete;

    static CPrinterStatusCache& Instance();

    // Asks these printers on the worker thread, unless it is still busy.
    void Poll(const std::vector<std::string>& deviceUris);
    State Get(const std::string& deviceUri) const;
    void Note(const std::string& deviceUri, bool answering, const std::string& message);
    // What a status dialogue (nothing: the printer did not answer) learned.
    void Answered(const std::string& deviceUri, const std::optional<CPrinterQuery::Answer>& answer);

private:
    void Run(std::stop_token stop);
    void Ask(const std::string& deviceUri);

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::map<std::string, State> m_states;
    std::vector<std::string> m_pending;
    std::jthread m_worker;
};

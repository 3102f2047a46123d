#pragma once

#include "CHistoryRecord.h"
#include "CSendPreparation.h"
#include "CSendSequence.h"

#include <functional>
#include <string>
#include <vector>

class CMessageCapture;
class CPrintJob;
class CWatchFrontEnd;

// A hot folder's send: the files of one job through the same send sequence
// as every other send, with the watcher's keys in the send history, and
// what the messages said kept as the reason when it did not go.
class CWatchSender {
public:
    // What the command line brings: its choices and its own ways of filling
    // the print list and checking the setting.
    struct Recipe {
        CSendChoices choices;
        std::string region;
        std::function<bool(CPrintJob& job, const std::vector<std::string>& files)> fillList;
        std::function<bool(const std::string& setting)> checkSetting;
    };

    struct Outcome {
        // Retry: the printer did not answer, or the upload failed.
        enum class Status { Done, Retry, Failed, Cancelled };
        Status status = Status::Failed;
        // Done: the job's name on the printer; otherwise why not.
        std::string text;
        // Why the send history was not written; the send went on.
        std::string historyError;
    };

    CWatchSender(Recipe recipe, std::string tag);

    // sources: the keys the send history keeps with the files.
    Outcome Send(const std::vector<std::string>& paths, const std::vector<std::string>& sources) const;
    // Removes what an upload that never ended left on the printer, as a
    // cancel does. Done also when nothing was left there.
    Outcome RemovePartial(const CHistoryRecord& record) const;

private:
    Outcome Upload(CSendSequence::Prepared& prepared, const std::vector<std::string>& sources,
                   CWatchFrontEnd& frontEnd, const CMessageCapture& messages) const;

    Recipe m_recipe;
    std::string m_tag;
};

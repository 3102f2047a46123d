#include "CWatchRecovery.h"

#include <algorithm>
#include <set>

namespace {
std::set<std::string> SourcesOf(const CHistoryRecord& record)
{
    std::set<std::string> sources;
    for (const auto& file : record.files)
        sources.insert(file.source);
    return sources;
}
}

CWatchRecovery::Plan CWatchRecovery::Make(const std::vector<CHistoryRecord>& records,
                                          const std::vector<CWatchFolders::Entry>& sending)
{
    std::set<std::string> sent;
    for (const auto& record : records)
        if (record.result == CHistoryRecord::Result::Done)
            sent.merge(SourcesOf(record));
    Plan plan;
    for (const auto& entry : sending)
        (sent.count(entry.Source()) ? plan.done : plan.pending).push_back(entry);
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if (record->result != CHistoryRecord::Result::Unfinished)
            continue;
        const std::set<std::string> sources = SourcesOf(*record);
        const auto own = std::stable_partition(plan.pending.begin(), plan.pending.end(),
                                               [&](const auto& entry) { return !sources.count(entry.Source()); });
        plan.unfinished.push_back({*record, {own, plan.pending.end()}});
        plan.pending.erase(own, plan.pending.end());
    }
    return plan;
}

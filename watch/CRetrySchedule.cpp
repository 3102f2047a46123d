#include "CRetrySchedule.h"

#include <algorithm>

CRetrySchedule::CRetrySchedule(Clock::duration limit)
    : m_limit(limit)
{
}

std::optional<CRetrySchedule::Clock::duration> CRetrySchedule::NextPause(Clock::time_point now)
{
    if (!m_firstFailure)
        m_firstFailure = now;
    const Clock::duration left = *m_firstFailure + m_limit - now;
    if (left <= Clock::duration::zero())
        return std::nullopt;
    const Clock::duration pause = std::min(m_pause, left);
    m_pause = std::min<Clock::duration>(m_pause * 2, kLongestPause);
    return pause;
}

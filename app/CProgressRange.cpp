#include "CProgressRange.h"

#include <QProgressBar>

#include <algorithm>
#include <limits>

CProgressRange::CProgressRange(std::uint64_t lower, std::uint64_t upper)
    : m_lower(std::min(lower, upper))
    , m_upper(upper)
{
    while ((m_upper >> m_shift) > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        ++m_shift;
}

void CProgressRange::ApplyTo(QProgressBar& bar) const
{
    const int lower = static_cast<int>(m_lower >> m_shift);
    // An empty range would turn the bar into a busy indicator.
    bar.setRange(lower, std::max(static_cast<int>(m_upper >> m_shift), lower + 1));
}

int CProgressRange::Value(std::uint64_t position) const
{
    return static_cast<int>(std::clamp(position, m_lower, m_upper) >> m_shift);
}

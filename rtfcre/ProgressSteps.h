#pragma once
// Tells an IFileProgress, if there is one, how far a task of a known size has
// come, about every 1 % of it rather than at every step.

#include "rtfcre/FileProgress.h"

#include <algorithm>
#include <cstdint>

class CProgressSteps
{
public:
    CProgressSteps(IFileProgress* pProgress, std::uint64_t nTotal)
        : m_pProgress(pProgress), m_nTotal(nTotal), m_nStep(nTotal / kSteps + 1), m_nNext(m_nStep)
    {
    }

    /// nDone of the total are done; false when the progress asked to stop.
    bool Update(std::uint64_t nDone)
    {
        if (m_pProgress == nullptr || nDone < m_nNext)
            return true;
        m_nNext = nDone + m_nStep;
        const double nFraction = static_cast<double>(nDone) / static_cast<double>(m_nTotal);
        return m_pProgress->Progress(std::min(nFraction, 1.0));
    }

private:
    static constexpr std::uint64_t kSteps = 100;

    IFileProgress* m_pProgress;
    std::uint64_t m_nTotal;
    std::uint64_t m_nStep;
    std::uint64_t m_nNext;
};

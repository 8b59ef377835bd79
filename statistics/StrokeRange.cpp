#include "statistics/StrokeRange.h"

#include <algorithm>

namespace statistics {

StrokeRange ClampRange(StrokeRange range, int nDocumentCount)
{
    const int nFirst = std::clamp(range.nFirst, 0, std::max(nDocumentCount, 0));
    return {nFirst, std::clamp(range.nCount, 0, nDocumentCount - nFirst)};
}

StrokeRange FollowChange(StrokeRange range, const doc::StrokesChange& change, int nDocumentCount)
{
    if (change.bNewDocument)
        return {0, nDocumentCount};
    const int nChangeEnd = change.nFirst + change.nRemoved;
    const int nShift = change.nInserted - change.nRemoved;
    const int nEnd = range.nFirst + range.nCount;
    // A boundary inside the removed strokes goes to the edge of the inserted
    // ones that keeps them in the range.
    int nNewFirst = range.nFirst;
    if (range.nFirst >= nChangeEnd && range.nFirst > change.nFirst)
        nNewFirst += nShift;
    else if (range.nFirst > change.nFirst)
        nNewFirst = change.nFirst;
    int nNewEnd = nEnd;
    if (nEnd >= nChangeEnd && !(nEnd == change.nFirst && change.nRemoved > 0))
        nNewEnd += nShift;
    else if (nEnd > change.nFirst)
        nNewEnd = change.nFirst + change.nInserted;
    return ClampRange({nNewFirst, nNewEnd - nNewFirst}, nDocumentCount);
}

} // namespace statistics

#pragma once
// The run of strokes the statistics window counts, and how it follows the
// document's changes: strokes inserted inside it or at its end join it,
// strokes removed from it leave it, changes before it move it.

#include "document/DocumentObserver.h"

namespace statistics {

struct StrokeRange
{
    int nFirst = 0;
    int nCount = 0;

    bool operator==(const StrokeRange&) const = default;
};

/// The range within a document of nDocumentCount strokes.
StrokeRange ClampRange(StrokeRange range, int nDocumentCount);

/// The range once the change is made; a new document is counted whole.
StrokeRange FollowChange(StrokeRange range, const doc::StrokesChange& change, int nDocumentCount);

} // namespace statistics

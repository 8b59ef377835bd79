#pragma once
// What the document tells the windows that show it. Each notification says what
// changed; an observer overrides only those it cares for.

#include <string>

namespace doc {

/// The current stroke is now nCurrent (-1: none) of nCount. bBringIntoView asks
/// the list to scroll it into view; a click on a row leaves the view alone.
struct CurrentChange
{
    int nCurrent = -1;
    int nCount = 0;
    bool bBringIntoView = false;
};

/// Strokes [nFirst, nFirst + nRemoved) were replaced by nInserted strokes; an
/// edit in place removes and inserts the same count. A load or new strokes
/// replace the whole document and say so with bNewDocument.
struct StrokesChange
{
    int nFirst = 0;
    int nRemoved = 0;
    int nInserted = 0;
    bool bNewDocument = false;
};

/// Strokes nFirst to nLast, both included: the selection the list shows and
/// range work acts on. Empty when nFirst is -1.
struct StrokeRange
{
    int nFirst = -1;
    int nLast = -1;

    bool IsEmpty() const { return nFirst < 0 || nLast < nFirst; }
    int Count() const { return IsEmpty() ? 0 : nLast - nFirst + 1; }
    bool Contains(int nIndex) const { return nIndex >= nFirst && nIndex <= nLast && !IsEmpty(); }
    bool operator==(const StrokeRange&) const = default;
};

class IDocumentObserver
{
public:
    virtual ~IDocumentObserver() = default;

    virtual void OnCurrentChanged(const CurrentChange& /*change*/) {}
    /// Told before the current stroke moves onto the changed strokes.
    virtual void OnStrokesChanged(const StrokesChange& /*change*/) {}
    /// The selected strokes are now these (empty: none).
    virtual void OnSelectionChanged(const StrokeRange& /*selection*/) {}
    virtual void OnModifiedChanged(bool /*bModified*/) {}
    virtual void OnFileNameChanged(const std::wstring& /*strFileName*/) {}
};

} // namespace doc

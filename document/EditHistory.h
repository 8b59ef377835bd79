#pragma once
// The document's undo and redo. Each change is kept as the little it takes to
// make it again or take it back, never as a copy of the document: a Replace All
// of k strokes keeps k indexes with their old keys and the new keys once, a
// time shift 4 bytes a stroke, a delete the strokes it removed.

#include "steno/StenoStroke.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace doc {

/// A run of strokes in their order. Shared and never changed, so a paste's
/// step holds the clipboard's strokes rather than a copy of them.
using StrokeRun = std::shared_ptr<const std::vector<CStenoStroke>>;

/// Strokes that came into the document at nIndex (a paste).
struct RunInsertion
{
    int nIndex = 0;
    StrokeRun strokes;
};

/// Strokes that left the document from nIndex (a delete).
struct RunRemoval
{
    int nIndex = 0;
    StrokeRun strokes;
};

/// A time shift of the strokes from nFirst: how far each one's time moved
/// (all undo needs besides the amount), and the amount its key times moved by.
struct TimesShift
{
    int nFirst = 0;
    std::int64_t nMilliseconds = 0;
    std::vector<std::int32_t> moves;
};

/// A committed edit: the stroke's time and keys before and after.
struct StrokeEdit
{
    int nIndex = 0;
    std::int64_t oldTime = 0;
    steno::KeyBits oldKeys = 0;
    std::int64_t newTime = 0;
    steno::KeyBits newKeys = 0;
};

/// A single Replace or a Replace All: every changed stroke with its keys before.
struct KeysReplacement
{
    struct Change
    {
        int nIndex = 0;
        steno::KeyBits oldKeys = 0;
    };
    std::vector<Change> changes;
    steno::KeyBits newKeys = 0;
};

using EditStep = std::variant<RunInsertion, RunRemoval, StrokeEdit, KeysReplacement, TimesShift>;

class CEditHistory
{
public:
    /// A change just made: the steps that could have been redone are dropped.
    void Record(EditStep step);
    /// Takes the last change back; the index of the stroke to show, or nothing
    /// when there is no change to take back.
    std::optional<int> Undo(std::vector<CStenoStroke>& strokes);
    /// Makes the last change taken back again; as Undo.
    std::optional<int> Redo(std::vector<CStenoStroke>& strokes);

    /// A new document: no steps, and the strokes are as the file holds them.
    void Clear();
    /// The strokes as they are now are those of the file.
    void MarkSaved() { m_nSavePoint = m_nApplied; }
    /// Whether undo and redo have led back to the strokes of the file.
    bool AtSavePoint() const { return m_nSavePoint == m_nApplied; }

private:
    std::vector<EditStep> m_steps;
    std::size_t m_nApplied = 0;
    // None once the steps that led to the file's strokes were dropped.
    std::optional<std::size_t> m_nSavePoint = 0;
};

} // namespace doc

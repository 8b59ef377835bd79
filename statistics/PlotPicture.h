#pragma once
// What the statistics window draws, as plain shapes: filled rectangles, lines
// and texts, each in one of the window's inks, and the places a click makes a
// stroke current. The plots are laid out into one of these; the window only
// paints it, so the geometry is worked out and checked without a window.

#include "platform/core/Geometry.h"
#include "platform/core/TextFormat.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace statistics {

/// The roles the window gives its colours to.
enum class PlotInk {
    Text,
    Title,
    Faint,   ///< axis labels, rules of the tables
    Axis,
    Grid,
    HourMark,
    Bar,
    Current, ///< the current stroke's minute
    Box,
    Median,
    Marked,
    Row,     ///< the band behind every other table row
};

struct PlotFill
{
    platform::Rect rc;
    PlotInk ink = PlotInk::Bar;

    bool operator==(const PlotFill&) const = default;
};

/// A line one pixel wide from one point to the other, both drawn.
struct PlotLine
{
    platform::Point from;
    platform::Point to;
    PlotInk ink = PlotInk::Axis;

    bool operator==(const PlotLine&) const = default;
};

struct PlotLabel
{
    platform::Rect rc;
    std::wstring strText;
    platform::TextFlags nFlags = platform::kDtLeft | platform::kDtSingleLine;
    PlotInk ink = PlotInk::Text;
    bool bBold = false;

    bool operator==(const PlotLabel&) const = default;
};

/// What a click on a place stands for: a stroke by its document index, the
/// first stroke written in minutes [nFrom, nTo), or the first stroke after a
/// pause of bin nFrom.
enum class TargetKind { Stroke, Minutes, PauseBin };

struct PlotTarget
{
    platform::Rect rc;
    TargetKind kind = TargetKind::Stroke;
    std::int64_t nFrom = 0;
    std::int64_t nTo = 0;

    bool operator==(const PlotTarget&) const = default;
};

/// Drawn in this order: fills, lines, labels.
struct PlotPicture
{
    std::vector<PlotFill> fills;
    std::vector<PlotLine> lines;
    std::vector<PlotLabel> labels;
    std::vector<PlotTarget> targets;

    void Fill(const platform::Rect& rc, PlotInk ink) { fills.push_back({rc, ink}); }
    void Line(platform::Point from, platform::Point to, PlotInk ink)
    {
        lines.push_back({from, to, ink});
    }
    void Label(const platform::Rect& rc, std::wstring strText, platform::TextFlags nFlags,
               PlotInk ink = PlotInk::Text, bool bBold = false)
    {
        labels.push_back({rc, std::move(strText), nFlags, ink, bBold});
    }
    void Target(const platform::Rect& rc, TargetKind kind, std::int64_t nFrom,
                std::int64_t nTo = 0)
    {
        targets.push_back({rc, kind, nFrom, nTo});
    }
    /// The target under the point; the last one added wins where they overlap.
    const PlotTarget* TargetAt(platform::Point pt) const;
};

} // namespace statistics

#pragma once
// Drawing helpers over QPainter for what the views do, with the conventions the
// views were written in: text placed by the top-left corner of its cell, colours
// as 0x00BBGGRR, rectangles whose right and bottom lie just outside.

#include "platform/core/ColorRef.h"
#include "platform/core/Geometry.h"
#include "platform/core/TextFormat.h"

#include <QColor>
#include <QRect>

#include <string>

class QFont;
class QPainter;
class QPixmap;

namespace platform {

/// The one place where 0x00BBGGRR becomes a Qt colour.
QColor ToQColor(ColorRef color);

QRect ToQRect(const Rect& rc);
Rect FromQRect(const QRect& rc);

enum class BkMode { Transparent = 1, Opaque = 2 };

/// Text is drawn over the background colour (opaque) or straight on what is
/// there (transparent).
void SetBkMode(QPainter& painter, BkMode mode);
void SetBkColor(QPainter& painter, ColorRef color);
void SetTextColor(QPainter& painter, ColorRef color);

void FillSolidRect(QPainter& painter, const Rect& rc, ColorRef color);

/// Draws a text with the top-left corner of its cell at (x, y), in the painter's
/// font and pen, honouring the background mode.
void TextOut(QPainter& painter, int x, int y, const std::wstring& strText);

/// Draws a text outlined: eight copies in the outline colour one pixel around
/// (x, y), then the face on top, as the drawn menus and the main window letter.
void OutlinedTextOut(QPainter& painter, int x, int y, const std::wstring& strText, ColorRef outline,
                     ColorRef face);

/// Draws a text into a rectangle with the kDt* flags: alignment, single line,
/// end ellipsis, '&' underlining the next character unless kDtNoPrefix, clipped
/// to the rectangle unless kDtNoClip.
void DrawText(QPainter& painter, const Rect& rc, const std::wstring& strText, TextFlags nFlags);

/// Width and height of a text in a font; the height is the font's cell height.
Size TextExtent(const QFont& font, const std::wstring& strText);

/// The dotted focus rectangle: every other pixel of the border inverted, so a
/// second call on the same rectangle removes it.
void DrawFocusRect(QPainter& painter, const Rect& rc);

/// Copies the bitmap's rectangle rcSource, unscaled, with its top-left corner at (x, y).
void CopyBitmap(QPainter& painter, int x, int y, const QPixmap& bitmap, const Rect& rcSource);
/// Copies the whole bitmap with its top-left corner at (x, y).
void CopyBitmap(QPainter& painter, int x, int y, const QPixmap& bitmap);

} // namespace platform

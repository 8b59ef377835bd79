#pragma once
// Edit ▸ Copy as Text: the strokes range work acts on, as quillmark-cli dump's
// lines under their header line, on the system clipboard for other programs.

namespace doc {
class CStrokeDocument;
}

namespace exchange {

/// Copies the selection (or the current stroke) to the document's own
/// clipboard and, as text, to the system's; nothing without either.
void CopyAsText(doc::CStrokeDocument& document);

} // namespace exchange

#pragma once
// Turns a stroke's key bits into steno text and back. Stateless; make one where
// needed.

#include "steno/StenoKeys.h"

#include <string>
#include <string_view>

class CStenoEncoder
{
public:
    /// The keys the text names: letters in steno order, a hyphen before the
    /// right bank, digits once the number bar is down. Other characters are skipped.
    steno::KeyBits StenoToKeys(std::wstring_view text) const;
    /// The same for a stroke file's 8-bit text: only its ASCII bytes name keys.
    steno::KeyBits StenoToKeys(std::string_view bytes) const;
    std::wstring KeysToSteno(steno::KeyBits keys) const;
};

/// Appends keys as text to out, for loops that reuse one buffer; the same text
/// as StenoKeysToText.
void AppendStenoKeysText(steno::KeyBits keys, bool bPadded, bool bLetters, std::wstring& out);

/// Keys as text: padded gives exactly 24 characters (no hyphen), letters keeps
/// the letter form even when the number bar is down.
std::wstring StenoKeysToText(steno::KeyBits keys, bool bPadded, bool bLetters);

class CStenoStroke;
/// One of the stroke's key fields as text: form 0 keys compact, 1 raw padded,
/// 2 keys compact in letters, 3 raw padded in letters; any other form is empty.
std::wstring StrokeText(const CStenoStroke& stroke, int nForm);

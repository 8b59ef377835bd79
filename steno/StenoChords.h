#pragma once
// Typed-key steno entry: a computer key becomes a character, the character and
// the current side give a chord, and a chord toggles steno keys.

#include "steno/StenoKeys.h"

#include <string_view>

namespace steno {

/// The character a key-down gives in the typed-steno field, or 0 for none.
/// vk is the virtual-key code; bShift tells whether Shift is held.
wchar_t TypedKeyCharacter(unsigned vk, bool bShift);

/// The chord text that a typed character gives on the left or right side;
/// empty when the character has no chord there.
std::wstring_view ChordText(wchar_t ch, bool bLeft);

/// Applies a chord text to keys: letters toggle keys (S, T, P, R on the current
/// local side, which "-" switches to the right), digits set the number bar and
/// toggle their key.
KeyBits ApplyChord(KeyBits keys, std::wstring_view chord, bool bLeft);

/// One typed character: its chord on the given side, applied to keys. "?" is
/// always applied on the left side.
KeyBits ApplyTypedCharacter(KeyBits keys, wchar_t ch, bool bLeft);

} // namespace steno

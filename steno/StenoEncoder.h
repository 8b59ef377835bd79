#pragma once
// Turns a stroke's key bits into steno text and back. Stateless apart from an
// attached control that nothing in the program attaches; make one where needed.

#include "steno/StenoKeys.h"

#include <cstdint>
#include <string>
#include <string_view>

/// A control an encoder can be attached to; it answers boolean property reads.
class IStenoControl
{
public:
    virtual ~IStenoControl() = default;
    virtual bool GetBooleanProperty(int nProperty) const = 0;
};

class CStenoEncoder
{
public:
    CStenoEncoder() = default;
    CStenoEncoder(const CStenoEncoder&) = default;
    CStenoEncoder& operator=(const CStenoEncoder&) = default;
    virtual ~CStenoEncoder() = default;

    // The operations keep the order of the encoder's original interface slots.
    virtual std::int32_t AttachControl(IStenoControl* pControl);
    virtual std::int32_t PutStenoText(std::wstring_view text);
    virtual std::int32_t Reserved2(std::int32_t, std::int32_t, std::int32_t);
    virtual std::int32_t PutStroke(steno::KeyBits keys);
    virtual steno::KeyBits StenoToKeys(std::wstring_view text) const;
    virtual std::wstring KeysToSteno(steno::KeyBits keys) const;
    virtual void Reserved6(std::int32_t);

    /// The key search behind PutStenoText: letters by first occurrence around the hyphen.
    static steno::KeyBits SearchKeys(std::wstring_view text);

private:
    IStenoControl* m_pControl = nullptr;
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

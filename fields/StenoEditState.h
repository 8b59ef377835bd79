#pragma once
// The typed-steno field's state: the stroke being built and the current side,
// and what key-downs and clicks do to them.

#include "platform/core/VirtualKeys.h"
#include "steno/StenoKeys.h"

namespace fields {

class CStenoEditState
{
public:
    bool IsLeft() const { return m_bLeft; }
    steno::KeyBits Keys() const { return m_keys; }
    void SetKeys(steno::KeyBits keys) { m_keys = keys; }

    /// A key-down other than the notices of FieldNotice.h: arrows and Space pick
    /// the side, Delete clears the stroke, a typed character applies its chord.
    /// A key-down with a repeat count above 1 changes nothing. Returns whether
    /// anything may have changed.
    bool KeyDown(const platform::KeyInput& key);

    /// A click at x in a field spanning nLeft to nRight: the left half (its middle
    /// included) picks the left side, the rest the right side.
    void Click(int x, int nLeft, int nRight);

private:
    bool m_bLeft = true;
    steno::KeyBits m_keys = 0;
};

} // namespace fields

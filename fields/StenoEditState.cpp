#include "fields/StenoEditState.h"

#include "steno/StenoChords.h"

namespace fields {

using namespace steno;

bool CStenoEditState::KeyDown(const platform::KeyInput& key)
{
    if (key.nRepeat > 1)
        return false;
    switch (key.nVirtualKey) {
    case platform::kVkLeft:
        m_bLeft = true;
        return true;
    case platform::kVkRight:
        m_bLeft = false;
        return true;
    case platform::kVkSpace:
        m_bLeft = key.bShift;
        return true;
    case platform::kVkDelete:
        m_keys = 0;
        return true;
    default:
        break;
    }
    const wchar_t ch = TypedKeyCharacter(static_cast<unsigned>(key.nVirtualKey), key.bShift);
    if (ch == 0)
        return false;
    m_keys = ApplyTypedCharacter(m_keys, ch, m_bLeft);
    return true;
}

void CStenoEditState::Click(int x, int nLeft, int nRight)
{
    m_bLeft = x <= nLeft + (nRight - nLeft) / 2;
}

} // namespace fields

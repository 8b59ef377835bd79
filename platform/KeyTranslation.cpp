#include "platform/KeyTranslation.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <utility>

namespace platform {
namespace {

using KeyPair = std::pair<int, int>; // Qt key, virtual key

// The number row's shifted symbols on a US keyboard: ')' is Shift+0 ... '(' Shift+9.
constexpr std::array<int, 10> kShiftedDigits = {
    Qt::Key_ParenRight, Qt::Key_Exclam,    Qt::Key_At,          Qt::Key_NumberSign,
    Qt::Key_Dollar,     Qt::Key_Percent,   Qt::Key_AsciiCircum, Qt::Key_Ampersand,
    Qt::Key_Asterisk,   Qt::Key_ParenLeft,
};

constexpr std::array<KeyPair, 48> kFixedKeys = {{
    {Qt::Key_Backspace, kVkBack},
    {Qt::Key_Tab, kVkTab},
    {Qt::Key_Backtab, kVkTab},
    {Qt::Key_Return, kVkReturn},
    {Qt::Key_Enter, kVkReturn},
    {Qt::Key_Shift, kVkShift},
    {Qt::Key_Control, kVkControl},
    {Qt::Key_Alt, kVkMenu},
    {Qt::Key_Pause, kVkPause},
    {Qt::Key_CapsLock, kVkCapital},
    {Qt::Key_Escape, kVkEscape},
    {Qt::Key_Space, kVkSpace},
    {Qt::Key_PageUp, kVkPrior},
    {Qt::Key_PageDown, kVkNext},
    {Qt::Key_End, kVkEnd},
    {Qt::Key_Home, kVkHome},
    {Qt::Key_Left, kVkLeft},
    {Qt::Key_Up, kVkUp},
    {Qt::Key_Right, kVkRight},
    {Qt::Key_Down, kVkDown},
    {Qt::Key_Print, kVkSnapshot},
    {Qt::Key_Insert, kVkInsert},
    {Qt::Key_Delete, kVkDelete},
    {Qt::Key_NumLock, kVkNumLock},
    {Qt::Key_ScrollLock, kVkScroll},
    {Qt::Key_Semicolon, kVkOem1},
    {Qt::Key_Colon, kVkOem1},
    {Qt::Key_Equal, kVkOemPlus},
    {Qt::Key_Plus, kVkOemPlus},
    {Qt::Key_Comma, kVkOemComma},
    {Qt::Key_Less, kVkOemComma},
    {Qt::Key_Minus, kVkOemMinus},
    {Qt::Key_Underscore, kVkOemMinus},
    {Qt::Key_Period, kVkOemPeriod},
    {Qt::Key_Greater, kVkOemPeriod},
    {Qt::Key_Slash, kVkOem2},
    {Qt::Key_Question, kVkOem2},
    {Qt::Key_QuoteLeft, kVkOem3},
    {Qt::Key_AsciiTilde, kVkOem3},
    {Qt::Key_BracketLeft, kVkOem4},
    {Qt::Key_BraceLeft, kVkOem4},
    {Qt::Key_Backslash, kVkOem5},
    {Qt::Key_Bar, kVkOem5},
    {Qt::Key_BracketRight, kVkOem6},
    {Qt::Key_BraceRight, kVkOem6},
    {Qt::Key_Apostrophe, kVkOem7},
    {Qt::Key_QuoteDbl, kVkOem7},
    {Qt::Key_Menu, 0x5D},
}};

constexpr std::array<KeyPair, 7> kKeypadOperators = {{
    {Qt::Key_Asterisk, kVkMultiply},
    {Qt::Key_Plus, kVkAdd},
    {Qt::Key_Minus, kVkSubtract},
    {Qt::Key_Period, kVkDecimal},
    {Qt::Key_Comma, kVkDecimal},
    {Qt::Key_Slash, kVkDivide},
    {Qt::Key_Enter, kVkReturn},
}};

constexpr int kFunctionKeys = 24;

template <std::size_t N> int Lookup(const std::array<KeyPair, N>& table, int nKey)
{
    for (const auto& [nQtKey, nVirtualKey] : table) {
        if (nQtKey == nKey)
            return nVirtualKey;
    }
    return 0;
}

int KeypadKey(int nKey)
{
    if (nKey >= Qt::Key_0 && nKey <= Qt::Key_9)
        return kVkNumpad0 + (nKey - Qt::Key_0);
    return Lookup(kKeypadOperators, nKey);
}

int ShiftedDigit(int nKey)
{
    for (std::size_t i = 0; i < kShiftedDigits.size(); ++i) {
        if (kShiftedDigits[i] == nKey)
            return kVk0 + static_cast<int>(i);
    }
    return 0;
}

int VirtualKeyOf(int nKey, bool bKeypad)
{
    if (bKeypad) {
        if (const int nVirtualKey = KeypadKey(nKey))
            return nVirtualKey;
    }
    if (nKey >= Qt::Key_A && nKey <= Qt::Key_Z)
        return kVkA + (nKey - Qt::Key_A);
    if (nKey >= Qt::Key_0 && nKey <= Qt::Key_9)
        return kVk0 + (nKey - Qt::Key_0);
    if (nKey >= Qt::Key_F1 && nKey < Qt::Key_F1 + kFunctionKeys)
        return kVkF1 + (nKey - Qt::Key_F1);
    if (const int nDigit = ShiftedDigit(nKey))
        return nDigit;
    return Lookup(kFixedKeys, nKey);
}

} // namespace

KeyInput TranslateKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyInput input;
    input.nVirtualKey = VirtualKeyOf(event.key(), modifiers.testFlag(Qt::KeypadModifier));
    input.bShift = modifiers.testFlag(Qt::ShiftModifier);
    input.bCtrl = modifiers.testFlag(Qt::ControlModifier);
    input.bAlt = modifiers.testFlag(Qt::AltModifier);
    input.nRepeat = std::max(1, event.count());
    return input;
}

} // namespace platform

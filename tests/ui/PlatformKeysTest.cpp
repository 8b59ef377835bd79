#include "platform/KeyTranslation.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace platform;

namespace {

KeyInput Translate(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   bool bAutoRepeat = false, int nCount = 1)
{
    const QKeyEvent event(QEvent::KeyPress, nKey, modifiers, QString(), bAutoRepeat,
                          static_cast<quint16>(nCount));
    return TranslateKey(event);
}

struct KeyCase
{
    int nQtKey;
    Qt::KeyboardModifiers modifiers;
    int nVirtualKey;
};

} // namespace

TEST(PlatformKeys, KeysMapToTheirVirtualKeyCodes)
{
    const KeyCase cases[] = {{Qt::Key_A, Qt::NoModifier, 0x41},
                             {Qt::Key_Z, Qt::ShiftModifier, 0x5A},
                             {Qt::Key_0, Qt::NoModifier, 0x30},
                             {Qt::Key_9, Qt::NoModifier, 0x39},
                             {Qt::Key_Tab, Qt::NoModifier, 0x09},
                             {Qt::Key_Backtab, Qt::ShiftModifier, 0x09},
                             {Qt::Key_Return, Qt::NoModifier, 0x0D},
                             {Qt::Key_Escape, Qt::NoModifier, 0x1B},
                             {Qt::Key_Space, Qt::NoModifier, 0x20},
                             {Qt::Key_PageUp, Qt::NoModifier, 0x21},
                             {Qt::Key_PageDown, Qt::NoModifier, 0x22},
                             {Qt::Key_End, Qt::NoModifier, 0x23},
                             {Qt::Key_Home, Qt::NoModifier, 0x24},
                             {Qt::Key_Left, Qt::NoModifier, 0x25},
                             {Qt::Key_Up, Qt::NoModifier, 0x26},
                             {Qt::Key_Right, Qt::NoModifier, 0x27},
                             {Qt::Key_Down, Qt::NoModifier, 0x28},
                             {Qt::Key_Print, Qt::NoModifier, 0x2C},
                             {Qt::Key_Insert, Qt::NoModifier, 0x2D},
                             {Qt::Key_Delete, Qt::NoModifier, 0x2E},
                             {Qt::Key_F1, Qt::NoModifier, 0x70},
                             {Qt::Key_F11, Qt::NoModifier, 0x7A},
                             {Qt::Key_F24, Qt::NoModifier, 0x87},
                             {Qt::Key_F25, Qt::NoModifier, 0},
                             // The keypad keeps its own codes.
                             {Qt::Key_0, Qt::KeypadModifier, 0x60},
                             {Qt::Key_1, Qt::KeypadModifier, 0x61},
                             {Qt::Key_9, Qt::KeypadModifier, 0x69},
                             {Qt::Key_Asterisk, Qt::KeypadModifier, 0x6A},
                             {Qt::Key_Plus, Qt::KeypadModifier, 0x6B},
                             {Qt::Key_Minus, Qt::KeypadModifier, 0x6D},
                             {Qt::Key_Period, Qt::KeypadModifier, 0x6E},
                             {Qt::Key_Slash, Qt::KeypadModifier, 0x6F},
                             {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
                             // With Num Lock off the keypad sends the navigation keys.
                             {Qt::Key_Home, Qt::KeypadModifier, 0x24},
                             {Qt::Key_End, Qt::KeypadModifier, 0x23},
                             // Punctuation and shifted symbols give the code of their key.
                             {Qt::Key_Comma, Qt::NoModifier, 0xBC},
                             {Qt::Key_Less, Qt::ShiftModifier, 0xBC},
                             {Qt::Key_Period, Qt::NoModifier, 0xBE},
                             {Qt::Key_Greater, Qt::ShiftModifier, 0xBE},
                             {Qt::Key_Slash, Qt::NoModifier, 0xBF},
                             {Qt::Key_Question, Qt::ShiftModifier, 0xBF},
                             {Qt::Key_At, Qt::ShiftModifier, 0x32},
                             {Qt::Key_NumberSign, Qt::ShiftModifier, 0x33},
                             {Qt::Key_Ampersand, Qt::ShiftModifier, 0x37},
                             {Qt::Key_Asterisk, Qt::ShiftModifier, 0x38},
                             {Qt::Key_ParenRight, Qt::ShiftModifier, 0x30},
                             {Qt::Key_Plus, Qt::ShiftModifier, 0xBB},
                             {Qt::Key_Minus, Qt::NoModifier, 0xBD},
                             {Qt::Key_Semicolon, Qt::NoModifier, 0xBA},
                             {Qt::Key_Apostrophe, Qt::NoModifier, 0xDE}};
    for (const KeyCase& c : cases)
        EXPECT_EQ(Translate(c.nQtKey, c.modifiers).nVirtualKey, c.nVirtualKey) << c.nQtKey;
}

TEST(PlatformKeys, ModifiersAndRepeatCount)
{
    EXPECT_EQ(Translate(Qt::Key_G), (KeyInput{0x47, false, false, false, 1}));
    EXPECT_EQ(Translate(Qt::Key_G, Qt::ShiftModifier), (KeyInput{0x47, true, false, false, 1}));
    EXPECT_EQ(Translate(Qt::Key_C, Qt::ControlModifier), (KeyInput{0x43, false, true, false, 1}));
    EXPECT_EQ(Translate(Qt::Key_F, Qt::AltModifier), (KeyInput{0x46, false, false, true, 1}));
    EXPECT_EQ(Translate(Qt::Key_S, Qt::NoModifier, true).nRepeat, 1);
    EXPECT_EQ(Translate(Qt::Key_S, Qt::NoModifier, true, 2).nRepeat, 2);
}

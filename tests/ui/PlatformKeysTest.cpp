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
                             {Qt::Key_Backtab, Qt::ShiftModifier, 0x09},
                             {Qt::Key_F24, Qt::NoModifier, 0x87},
                             {Qt::Key_F25, Qt::NoModifier, 0},
                             // The keypad keeps its own codes; without Num Lock it navigates.
                             {Qt::Key_1, Qt::KeypadModifier, 0x61},
                             {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
                             {Qt::Key_Home, Qt::KeypadModifier, 0x24},
                             // Punctuation and shifted symbols give the code of their key.
                             {Qt::Key_Comma, Qt::NoModifier, 0xBC},
                             {Qt::Key_At, Qt::ShiftModifier, 0x32},
                             {Qt::Key_Apostrophe, Qt::NoModifier, 0xDE}};
    for (const KeyCase& c : cases)
        EXPECT_EQ(Translate(c.nQtKey, c.modifiers).nVirtualKey, c.nVirtualKey) << c.nQtKey;
}

TEST(PlatformKeys, ModifiersAndRepeatCount)
{
    EXPECT_EQ(Translate(Qt::Key_G, Qt::ShiftModifier), (KeyInput{0x47, true, false, false, 1}));
    EXPECT_EQ(Translate(Qt::Key_F, Qt::AltModifier | Qt::ControlModifier),
              (KeyInput{0x46, false, true, true, 1}));
    EXPECT_EQ(Translate(Qt::Key_S, Qt::NoModifier, true, 2).nRepeat, 2);
}

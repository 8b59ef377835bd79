// The skin as the windows use it: every button state loads from the embedded
// resources at its mask's size and shows its own picture.
#include "framework/SkinIds.h"
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace {

QImage LoadBitmap(int nNumber)
{
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(nNumber));
}

TEST(BitmapSkin, EveryButtonStateIsEmbeddedAtItsMaskSize)
{
    using namespace framework;
    for (const ButtonSkinIds& skin :
         {kSkinClose, kSkinMaximize, kSkinMinimize, kSkinFile, kSkinEdit, kSkinOptions, kSkinHelp,
          kSkinDialogButton, kSkinCheckBox}) {
        SCOPED_TRACE(skin.nNormal);
        const QImage mask = LoadBitmap(skin.nMask);
        ASSERT_FALSE(mask.isNull());
        const QImage normal = LoadBitmap(skin.nNormal);
        const QImage down = LoadBitmap(skin.nDown);
        const QImage over = LoadBitmap(skin.nOver);
        EXPECT_EQ(normal.size(), mask.size());
        EXPECT_EQ(down.size(), mask.size());
        EXPECT_EQ(over.size(), mask.size());
        EXPECT_TRUE(normal != down && normal != over && down != over);
    }
}

} // namespace

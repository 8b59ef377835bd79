// The skin as the windows use it: every button state loads from the embedded
// resources at its mask's size and shows its own picture, and the backgrounds
// have the sizes the layouts are written for.
#include "framework/MenuTables.h"
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

TEST(BitmapSkin, BackgroundsHaveTheSizesTheLayoutsUse)
{
    struct Background
    {
        int nNumber;
        QSize size;
    };
    const Background backgrounds[] = {
        {130, {675, 521}},
        {framework::kFileMenuBackground, {157, 145}},
        {framework::kEditMenuBackground, {157, 185}},
        {framework::kOptionsMenuBackground, {157, 67}},
        {framework::kMenuHoverBar, {149, 22}},
        {framework::kMenuSeparator, {144, 2}},
    };
    for (const Background& background : backgrounds)
        EXPECT_EQ(LoadBitmap(background.nNumber).size(), background.size) << background.nNumber;
}

} // namespace

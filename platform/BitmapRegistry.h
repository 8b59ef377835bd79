#pragma once
// The program's bitmaps by resource number, from the embedded skin
// (":/bitmaps/<number>.png"). A number without a picture gives a null pixmap,
// which every drawing helper skips. Tests put pictures of their own in place of
// the skin so their pixels prove which bitmap was drawn.

#include <QIcon>
#include <QPixmap>

class CBitmapRegistry
{
public:
    static QPixmap Load(int nID);
    static QIcon LoadIcon(int nID);

    /// From now on Load(nID) gives this picture instead of the embedded one.
    static void Override(int nID, const QPixmap& bitmap);
    static void ClearOverrides();
};

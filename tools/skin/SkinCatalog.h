// The table of every bitmap the program loads by number: its exact size, its
// role and how it is drawn. This is the one place that knows the sizes.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <vector>

namespace skin {

struct SkinBitmap
{
    int nNumber = 0;
    QSize size;
    const char* pszRole = "";
    std::function<QImage(QSize)> draw;
};

// All bitmaps and the program icon, in ascending order of number.
const std::vector<SkinBitmap>& SkinCatalog();

} // namespace skin

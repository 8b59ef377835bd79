#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace platform {
namespace {

constexpr int kMinWeight = 100;
constexpr int kMaxWeight = 900;

struct Substitution
{
    const char* pszFace;
    const char* pszFirst;
    const char* pszSecond;
};

// Liberation Sans has Arial's metrics; DejaVu Sans is broad like the others.
constexpr Substitution kSubstitutions[] = {
    {"Arial", "Liberation Sans", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans", "Liberation Sans"},
    {"Square721 BT", "DejaVu Sans", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans", "DejaVu Sans"},
    {"MS Shell Dlg 2", "Liberation Sans", "DejaVu Sans"},
};

QFont::Weight WeightOf(int nWeight)
{
    if (nWeight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(nWeight, kMinWeight, kMaxWeight));
}

// A cell height includes the leading; scale the em size so the cell comes out right.
void SetCellHeight(QFont& font, int nCellHeight)
{
    font.setPixelSize(nCellHeight);
    const int nMeasured = QFontMetrics(font).height();
    if (nMeasured <= 0 || nMeasured == nCellHeight)
        return;
    font.setPixelSize(std::max(1, nCellHeight * nCellHeight / nMeasured));
}

} // namespace

QFont MakeFont(const FontDesc& desc)
{
    QFont font(QString::fromStdWString(desc.strFace));
    if (desc.nHeight < 0)
        font.setPixelSize(-desc.nHeight);
    else if (desc.nHeight > 0)
        SetCellHeight(font, desc.nHeight);
    font.setWeight(WeightOf(desc.nWeight));
    font.setUnderline(desc.bUnderline);
    if (desc.pitch == Pitch::Fixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

void RegisterFontSubstitutions()
{
    for (const Substitution& sub : kSubstitutions) {
        const QString strFace = QString::fromLatin1(sub.pszFace);
        if (QFontDatabase::hasFamily(strFace))
            continue;
        QStringList substitutes;
        substitutes << QString::fromLatin1(sub.pszFirst) << QString::fromLatin1(sub.pszSecond);
        QFont::insertSubstitutions(strFace, substitutes);
    }
}

} // namespace platform

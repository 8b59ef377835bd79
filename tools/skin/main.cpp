// quillmark-skin-generator: draws every bitmap of Quillmark's skin and writes
// them as <number>.png into a folder, optionally with a contact sheet and the
// program icon at the desktop's sizes (drawn at each size, not scaled).
//
//   quillmark-skin-generator OUTPUT_FOLDER [--contact-sheet FILE.png] [--icons HICOLOR_FOLDER]
#include "SkinBitmaps.h"
#include "SkinCatalog.h"
#include "SkinContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// The sizes desktops look for under hicolor/<n>x<n>/apps.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct Options
{
    QString strFolder;
    QString strSheet;
    QString strIcons;
};

bool ParseOptions(const QStringList& args, Options& options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--contact-sheet") && i + 1 < args.size()) {
            options.strSheet = args[++i];
            continue;
        }
        if (args[i] == QLatin1String("--icons") && i + 1 < args.size()) {
            options.strIcons = args[++i];
            continue;
        }
        if (args[i].startsWith(QLatin1Char('-')) || !options.strFolder.isEmpty())
            return false;
        options.strFolder = args[i];
    }
    return !options.strFolder.isEmpty();
}

bool Save(const QImage& image, const QString& strPath)
{
    if (image.save(strPath, "PNG"))
        return true;
    std::fprintf(stderr, "quillmark-skin-generator: cannot write '%s'\n", qPrintable(strPath));
    return false;
}

bool WriteIcons(const QString& strHicolor)
{
    for (const int nSize : kIconSizes) {
        const QString strFolder = QStringLiteral("%1/%2x%2/apps").arg(strHicolor).arg(nSize);
        if (!QDir().mkpath(strFolder)) {
            std::fprintf(stderr, "quillmark-skin-generator: cannot create folder '%s'\n",
                         qPrintable(strFolder));
            return false;
        }
        if (!Save(skin::DrawProgramIcon(QSize(nSize, nSize)),
                  strFolder + QStringLiteral("/quillmark.png")))
            return false;
    }
    return true;
}

bool WriteSkin(const Options& options)
{
    if (!QDir().mkpath(options.strFolder)) {
        std::fprintf(stderr, "quillmark-skin-generator: cannot create folder '%s'\n",
                     qPrintable(options.strFolder));
        return false;
    }
    const QDir folder(options.strFolder);
    skin::RenderedSkin rendered;
    for (const skin::SkinBitmap& bitmap : skin::SkinCatalog()) {
        const QImage image = bitmap.draw(bitmap.size);
        if (image.size() != bitmap.size) {
            std::fprintf(stderr, "quillmark-skin-generator: bitmap %d drawn at the wrong size\n",
                         bitmap.nNumber);
            return false;
        }
        if (!Save(image, folder.filePath(QStringLiteral("%1.png").arg(bitmap.nNumber))))
            return false;
        std::printf("%d\t%dx%d\t%s\n", bitmap.nNumber, bitmap.size.width(), bitmap.size.height(),
                    bitmap.pszRole);
        rendered.emplace(bitmap.nNumber, image);
    }
    return options.strSheet.isEmpty() ||
           Save(skin::MakeContactSheet(skin::SkinCatalog(), rendered), options.strSheet);
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr,
                     "usage: quillmark-skin-generator OUTPUT_FOLDER [--contact-sheet FILE.png] "
                     "[--icons HICOLOR_FOLDER]\n");
        return kExitUsage;
    }
    const bool bWritten =
        WriteSkin(options) && (options.strIcons.isEmpty() || WriteIcons(options.strIcons));
    return bWritten ? kExitOk : kExitFailure;
}

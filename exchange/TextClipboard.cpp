#include "exchange/TextClipboard.h"

#include "document/StrokeDocument.h"
#include "exchange/DumpLine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace exchange {

void CopyAsText(doc::CStrokeDocument& document)
{
    const doc::StrokeRange target = document.Target();
    if (target.IsEmpty())
        return;
    document.Copy();
    // Gathered as bytes line by line: a million strokes' text is large enough
    // once, without a second copy of it as a QString.
    QByteArray text(kDumpHeader.data(), static_cast<qsizetype>(kDumpHeader.size()));
    const CStenoEncoder encoder;
    std::string strLine;
    for (int i = target.nFirst; i <= target.nLast; ++i) {
        strLine.clear();
        AppendDumpLine(strLine, encoder, static_cast<std::size_t>(i), document.Stroke(i));
        text.append(strLine.data(), static_cast<qsizetype>(strLine.size()));
    }
    auto* pData = new QMimeData;
    pData->setData(QStringLiteral("text/plain"), text);
    QGuiApplication::clipboard()->setMimeData(pData);
}

} // namespace exchange

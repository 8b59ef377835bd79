#include "mainwindow/AboutDlg.h"

#include "platform/BitmapRegistry.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kIconBitmap = 128;

QLabel* TextLabel(const wchar_t* pszText, QWidget* pParent)
{
    auto* pLabel = new QLabel(QString::fromWCharArray(pszText), pParent);
    pLabel->setTextFormat(Qt::PlainText);
    return pLabel;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("About Quillmark"));
    setModal(true);
    auto* pLayout = new QGridLayout(this);

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(CBitmapRegistry::Load(kIconBitmap));
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(TextLabel(kVersionLine, this), 0, 1);
    pLayout->addWidget(TextLabel(kPurposeLine, this), 1, 1);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(pButtons, 2, 0, 1, 2);
    setWindowIcon(CBitmapRegistry::LoadIcon(kIconBitmap));
}

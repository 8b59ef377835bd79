#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

using platform::Answer;

namespace {

QMessageBox::StandardButton Ask(QWidget* pOwner, QMessageBox::Icon icon,
                                const std::wstring& strText, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QString::fromWCharArray(QtPrompter::Title()),
                    QString::fromStdWString(strText), buttons, pOwner);
    box.setDefaultButton(defaultButton);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Closing the box with Esc or its window button is the box's escape button:
// Cancel where there is one, No otherwise.
Answer ToAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Cancel;
    }
}

} // namespace

QtPrompter::QtPrompter(QWidget* pOwner) : m_pOwner(pOwner) {}

// The box belongs to the window the user is talking to, the active one (a
// search dialog that asked, say), so the keyboard goes back there after it.
QWidget* QtPrompter::Owner() const
{
    QWidget* pActive = QApplication::activeWindow();
    return pActive != nullptr ? pActive : m_pOwner.data();
}

Answer QtPrompter::YesNo(const std::wstring& strText)
{
    const auto button = Ask(Owner(), QMessageBox::Question, strText,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtPrompter::YesNoCancel(const std::wstring& strText)
{
    return ToAnswer(Ask(Owner(), QMessageBox::Question, strText,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QMessageBox::Yes));
}

Answer QtPrompter::RetryCancel(const std::wstring& strText)
{
    return ToAnswer(Ask(Owner(), QMessageBox::Critical, strText,
                        QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry));
}

void QtPrompter::Information(const std::wstring& strText)
{
    Ask(Owner(), QMessageBox::Information, strText, QMessageBox::Ok, QMessageBox::Ok);
}

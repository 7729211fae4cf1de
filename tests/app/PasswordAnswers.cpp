#include "PasswordAnswers.h"

#include "frmPassword.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

const QString PasswordAnswers::Cancel = QStringLiteral("<Cancel>");

PasswordAnswers::PasswordAnswers()
{
    // The window waits in an event loop of its own; the timer runs within it.
    connect(&m_timer, &QTimer::timeout, this, &PasswordAnswers::answer);
    m_timer.start(0);
}

void PasswordAnswers::answer()
{
    auto *window = qobject_cast<frmPassword *>(QApplication::activeModalWidget());
    if (!window || !window->isVisible())
        return;
    if (notes.isEmpty())
        names = QStringList { window->txtPassword->accessibleName(),
            window->lblFile->accessibleName(), window->btnOK->accessibleName(),
            window->btnCancel->accessibleName() };
    notes << window->lblTries->text();
    masked << (window->txtPassword->echoMode() == QLineEdit::Password);
    const QString next = m_answers.isEmpty() ? Cancel : m_answers.takeFirst();
    if (next != Cancel)
        QTest::keyClicks(window->txtPassword, next);
    if (!screenshotPath.isEmpty() && notes.size() == 2)
        window->grab().save(screenshotPath);
    QTest::mouseClick(next == Cancel ? window->btnCancel : window->btnOK, Qt::LeftButton);
}

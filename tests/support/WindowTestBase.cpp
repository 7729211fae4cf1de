#include "WindowTestBase.h"

#include "MDI.h"

#include <QDir>
#include <QLocale>
#include <QTest>

WindowTestBase::WindowTestBase() = default;

WindowTestBase::~WindowTestBase()
{
    tearDown();
}

bool WindowTestBase::setUp(const QSize &size)
{
    tearDown();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<TempDatabase>();
    m_main = std::make_unique<MDI>();
    if (size.isValid())
        m_main->resize(size);
    m_main->show();
    if (QTest::qWaitForWindowActive(m_main.get()))
        return true;
    qWarning("The main window did not become active; focus tests will fail.");
    return false;
}

void WindowTestBase::tearDown()
{
    m_main.reset();
    m_db.reset();
}

QString WindowTestBase::caption(const QWidget *form)
{
    return form->parentWidget() ? form->parentWidget()->windowTitle() : form->windowTitle();
}

QString WindowTestBase::screenshotPath(const QString &name)
{
    const QString folder = QStringLiteral(CORVANE_BUILD_DIR "/screenshots");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

bool WindowTestBase::saveScreenshot(QWidget *widget, const QString &name)
{
    return widget->grab().save(screenshotPath(name));
}

bool WindowTestBase::saveScreenshot(const QString &name)
{
    return saveScreenshot(m_main.get(), name);
}

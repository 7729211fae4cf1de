#include "WindowTestBase.h"

#include "CellText.h"
#include "MDI.h"
#include "Recordset.h"

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

QStringList WindowTestBase::rowsOf(const QString &sql, const QVariantList &values) const
{
    QStringList all;
    Recordset rs = m_db->db().openRecordset(sql, values);
    while (!rs.eof()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << cellText(rs.field(i));
        all << cells.join('|');
        rs.moveNext();
    }
    return all;
}

QStringList WindowTestBase::tables() const
{
    return rowsOf(QStringLiteral("SELECT * FROM Customer ORDER BY Customer"))
        + rowsOf(QStringLiteral("SELECT * FROM Equipment ORDER BY ID"))
        + rowsOf(QStringLiteral("SELECT * FROM Telemarket ORDER BY ID"));
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

#include "MDI.h"

#include "ErrorGuard.h"
#include "ProgramIcon.h"
#include "Twips.h"
#include "WindowRequests.h"
#include "WindowKeys.h"
#include "frmAbout.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int ClientWidthTwips = 11100;
constexpr int ClientHeightTwips = 8910;

MDI::ExitHandler &exitHandler()
{
    static MDI::ExitHandler installed;
    return installed;
}

} // namespace

MDI::MDI(QWidget *parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea)
    , m_registry(m_area)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(programIcon());
    // The client area is the area itself, without a frame of its own.
    m_area->setFrameShape(QFrame::NoFrame);
    // A child that closes hands the front to the one that was active before it, the one the
    // user came from, not to the oldest child.
    m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_area);
    buildMenus();
    new WindowRequests(m_registry, this);
    new WindowKeys(this, m_area);
    resize(twipsToPixels(ClientWidthTwips),
        twipsToPixels(ClientHeightTwips) + menuBar()->sizeHint().height());
}

void MDI::setExitHandler(ExitHandler handler)
{
    exitHandler() = std::move(handler);
}

void MDI::buildMenus()
{
    // Captions without access keys and no shortcut keys: the menus are used with the mouse.
    auto command = [this](QAction *action, const char *name, void (MDI::*handler)()) {
        action->setObjectName(QLatin1String(name));
        connect(
            action, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->menuAction()->setObjectName(QStringLiteral("File"));
    command(file->addAction(QStringLiteral("Exit")), "Exit", &MDI::Exit_Click);

    command(menuBar()->addAction(QStringLiteral("Customer Entry")), "CustomerEntry",
        &MDI::CustomerEntry_Click);
    command(menuBar()->addAction(QStringLiteral("Customer Navigator")), "CustomerNavigator",
        &MDI::CustomerNavigator_Click);

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->menuAction()->setObjectName(QStringLiteral("Help"));
    command(help->addAction(QStringLiteral("About")), "About", &MDI::About_Click);
}

void MDI::Exit_Click()
{
    // At once: no window is closed in turn, so no closing logic asks or saves anything.
    if (exitHandler())
        exitHandler()();
    else
        QCoreApplication::exit(0);
}

void MDI::CustomerEntry_Click()
{
    m_registry.open<frmCustomerEntry>();
}

void MDI::CustomerNavigator_Click()
{
    m_registry.open<frmNavigator>();
}

void MDI::About_Click()
{
    m_registry.open<frmAbout>();
}

void MDI::closeEvent(QCloseEvent *event)
{
    // Each child through its own closing logic; one that refuses keeps this window and the
    // children not yet closed open.
    const QList<QMdiSubWindow *> frames = m_area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *frame : frames) {
        if (!frame->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

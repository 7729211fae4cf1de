#include "frmAbout.h"

#include "ControlPlacement.h"
#include "ErrorGuard.h"
#include "FormFrame.h"
#include "ProgramIcon.h"
#include "SysInfo.h"
#include "Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int ClientWidthTwips = 5730;
constexpr int ClientHeightTwips = 3000;
constexpr int RuleTopTwips = 1920;
constexpr int RuleMarginTwips = 90;

// The texts stand one below the other in one column, each as tall as designed.
QLabel *label(QWidget *parent, const char *name, const QString &text, int top, int height)
{
    return placeCaption(parent, name, text, 1050, top, 3885, height);
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int top)
{
    return placeCaptioned<QPushButton>(parent, name, caption, 4245, top, 1260, 345);
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = placeControl<QLabel>(this, "picIcon", 240, 240, 480, 480);
    picIcon->setPixmap(programIcon().pixmap(32, 32));
    picIcon->setAccessibleName(QStringLiteral("Corvane icon"));

    // The title and the version are filled in when the window loads.
    lblTitle = label(this, "lblTitle", QString(), 240, 480);
    lblVersion = label(this, "lblVersion", QString(), 780, 225);
    lblDescription
        = label(this, "lblDescription", QStringLiteral("Designed and Written By:"), 1125, 255);
    Label1 = label(this, "Label1", QString(), 1380, 375);
    QFont makerFont(QStringLiteral("Times New Roman"), 12, QFont::Bold);
    makerFont.setStyleHint(QFont::Serif);
    Label1->setFont(makerFont);
    Label1->setText(QStringLiteral("Velmora"));
    fitCaption(Label1, false);

    cmdOK = button(this, "cmdOK", QStringLiteral("OK"), 2070);
    // OK is both the default and the cancel button.
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);
    cmdSysInfo = button(this, "cmdSysInfo", QStringLiteral("&System Info..."), 2520);
    setFocusProxy(cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdSysInfo, &QPushButton::clicked, this, guarded([this] { cmdSysInfo_Click(); }));

    resize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
}

void frmAbout::load()
{
    setWindowTitle(QStringLiteral("About Screen"));
    lblVersion->setText(QStringLiteral("Version 1.3 12/12/03"));
    lblTitle->setText(QStringLiteral("Corvane"));
    placeFrame();
}

void frmAbout::placeFrame()
{
    // A fixed dialog border, centred in the main window.
    ::fixFrame(this);
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        return;
    frame->setWindowIcon(programIcon());
    if (QMdiArea *area = frame->mdiArea()) {
        const QSize room = area->viewport()->size() - frame->size();
        frame->move(qMax(0, room.width() / 2), qMax(0, room.height() / 2));
    }
}

void frmAbout::StartSysInfo()
{
    ::StartSysInfo();
}

bool frmAbout::GetKeyValue(
    quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    return ::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

int frmAbout::ruleY() const
{
    return twipsToPixels(RuleTopTwips);
}

int frmAbout::ruleLeft() const
{
    return twipsToPixels(RuleMarginTwips);
}

int frmAbout::ruleRight() const
{
    return width() - 1 - twipsToPixels(RuleMarginTwips);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    ChildForm::paintEvent(event);
    // The etched rule: a one-pixel grey line over a two-pixel white one at the same height.
    QPainter painter(this);
    painter.fillRect(
        QRect(QPoint(ruleLeft(), ruleY()), QPoint(ruleRight(), ruleY() + 1)), Qt::white);
    painter.fillRect(
        QRect(QPoint(ruleLeft(), ruleY()), QPoint(ruleRight(), ruleY())), QColor(0x80, 0x80, 0x80));
}

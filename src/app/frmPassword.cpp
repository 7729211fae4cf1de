#include "frmPassword.h"

#include "ControlPlacement.h"
#include "PasswordOpening.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidthTwips = 5520;
constexpr int ClientHeightTwips = 2190;

QString triesLeft(int wrongSoFar)
{
    const int left = PasswordOpening::Tries - wrongSoFar;
    return left == 1 ? QStringLiteral("The password is wrong. 1 try left.")
                     : QStringLiteral("The password is wrong. %1 tries left.").arg(left);
}

} // namespace

frmPassword::frmPassword(const QString &databasePath, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Database Password"));

    lblMessage = placeCaption(this, "lblMessage",
        QStringLiteral("This database has a password of its own:"), 120, 120, 5280, 255);
    // A long path is shortened in its middle, where the folders lie; the whole of it is the
    // label's tool tip and its name for a screen reader.
    const QString path = QDir::toNativeSeparators(databasePath);
    lblFile = placeCaption(this, "lblFile", QString(), 120, 405, 5280, 255);
    lblFile->setText(lblFile->fontMetrics().elidedText(path, Qt::ElideMiddle, lblFile->width()));
    lblFile->setToolTip(path);
    lblFile->setAccessibleName(path);

    txtPassword = placeControl<QLineEdit>(this, "txtPassword", 1200, 825, 4200, 285);
    txtPassword->setEchoMode(QLineEdit::Password);
    placeFieldCaption(
        this, "lblPassword", QStringLiteral("Password:"), 120, 840, 1020, 255, txtPassword);
    lblTries = placeCaption(this, "lblTries", QString(), 1200, 1200, 4200, 255);

    btnOK = placeCaptioned<QPushButton>(this, "btnOK", QStringLiteral("OK"), 2580, 1650, 1335, 375);
    btnCancel = placeCaptioned<QPushButton>(
        this, "btnCancel", QStringLiteral("Cancel"), 4065, 1650, 1335, 375);
    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    connect(txtPassword, &QLineEdit::textChanged, this,
        [this](const QString &text) { btnOK->setEnabled(!text.isEmpty()); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
}

std::optional<QString> frmPassword::ask(int wrongSoFar)
{
    lblTries->setText(wrongSoFar > 0 ? triesLeft(wrongSoFar) : QString());
    txtPassword->clear();
    txtPassword->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return txtPassword->text();
}

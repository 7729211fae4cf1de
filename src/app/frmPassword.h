#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Asked at start-up when the built-in password does not open the configured database: the file
// has a password of its own. Shown before the main window, on its own.
class frmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit frmPassword(const QString &databasePath, QWidget *parent = nullptr);

    // Waits for an answer; nothing when the user cancels. After a wrong answer the window says
    // so and how many tries are left.
    std::optional<QString> ask(int wrongSoFar);

    QLabel *lblMessage, *lblFile, *lblTries;
    QLineEdit *txtPassword;
    QPushButton *btnOK, *btnCancel;
};

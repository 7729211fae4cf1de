#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MsgBox::Handler &handler()
{
    static MsgBox::Handler installed;
    return installed;
}

QMessageBox::StandardButtons standardButtons(MsgBox::Buttons buttons)
{
    switch (buttons) {
    case MsgBox::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgBox::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgBox::OK:
        break;
    }
    return QMessageBox::Ok;
}

MsgBox::Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MsgBox::Yes;
    case QMessageBox::No:
        return MsgBox::No;
    case QMessageBox::Cancel:
        return MsgBox::Cancel;
    default:
        return MsgBox::Ok;
    }
}

} // namespace

MsgBox::Answer MsgBox::show(const QString &text, const QString &title, Buttons buttons)
{
    if (handler())
        return handler()(text, title, buttons);

    QMessageBox box(
        QMessageBox::NoIcon, title, text, standardButtons(buttons), QApplication::activeWindow());
    // Engine messages quote SQL, whose < and > must not be taken for markup.
    box.setTextFormat(Qt::PlainText);
    return answerFor(box.exec());
}

void MsgBox::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

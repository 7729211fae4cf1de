#include "FormParts.h"

#include "MDI.h"
#include "MainMod.h"

#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTimer>

namespace FormParts {

namespace {

// Selects the whole text once the click that gave the focus has placed its cursor.
class SelectOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            if (auto *box = qobject_cast<QLineEdit *>(watched)) {
                QTimer::singleShot(
                    0, box, [box] { box->setSelection(0, int(box->text().size())); });
            }
        }
        return false;
    }
};

} // namespace

QLabel *caption(QWidget *parent, const char *name, const char *text, int left, int top, int width,
    QWidget *field, const QString &fieldName)
{
    auto *label = placeControl<QLabel>(parent, name, left, top, width, 255);
    label->setText(QLatin1String(text));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The designed width fits the designed font; a longer caption grows to the left, away
    // from its field, so that it is never cut off.
    const int needed = label->sizeHint().width();
    if (needed > label->width()) {
        QRect r = label->geometry();
        r.setLeft(std::max(0, r.right() + 1 - needed));
        label->setGeometry(r);
    }
    label->setBuddy(field);
    field->setAccessibleName(fieldName.isEmpty() ? label->text() : fieldName);
    return label;
}

MDI *host(QWidget *form)
{
    if (auto *main = qobject_cast<MDI *>(form->window()))
        return main;
    return mainWindow();
}

void fixFrame(QWidget *form, bool minimizeButton, bool topLeft)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame)
        return;
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    frame->setWindowFlags(flags);
    frame->setFixedSize(form->size().grownBy(frame->contentsMargins()));
    if (topLeft)
        frame->move(0, 0);
}

void selectAllOnFocus(const QList<QWidget *> &boxes)
{
    if (boxes.isEmpty())
        return;
    auto *filter = new SelectOnFocus(boxes.first()->window());
    for (QWidget *box : boxes)
        box->installEventFilter(filter);
}

} // namespace FormParts

#include "ChildForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>

void ChildForm::closeEvent(QCloseEvent *event)
{
    if (!queryUnload()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
    emit unloaded();
    // A window that closes itself takes its frame with it. When the frame started the close,
    // this returns at once: the frame is closing already.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
}

void ChildForm::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

void ChildForm::setCancelButton(QPushButton *button)
{
    m_cancelButton = button;
}

QAbstractButton *ChildForm::focusedButton() const
{
    // Only a push or tool button: Enter on a check box or an option button is the default
    // button's, as in any dialog.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return nullptr;
    if (auto *button = qobject_cast<QPushButton *>(focus))
        return button;
    return qobject_cast<QToolButton *>(focus);
}

void ChildForm::keyPressEvent(QKeyEvent *event)
{
    QAbstractButton *target = nullptr;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            target = focusedButton();
            if (!target)
                target = m_defaultButton;
            break;
        case Qt::Key_Escape:
            target = m_cancelButton;
            break;
        default:
            break;
        }
    }
    if (target && target->isEnabled() && target->isVisible()) {
        event->accept();
        target->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "DialogFont.h"

#include <QApplication>
#include <QFont>

void useDialogFont()
{
    // A sans serif with the metrics of the common dialog fonts, installed with the program's
    // packages; where it is missing the nearest sans serif stands in.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

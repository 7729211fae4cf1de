#include "ComboTypeAhead.h"

#include <QComboBox>
#include <QPointer>
#include <QTime>

namespace {

constexpr double TypeAheadPause = 0.5;
constexpr double SecondsPerDay = 24 * 60 * 60;

double timeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double (*typeAheadClock)() = timeOfDay;

// One set for every list of the program: typing into another list starts afresh.
struct TypeAheadState
{
    double lastKeyTime = 0;
    QString prefix;
    QPointer<QComboBox> lastList;
};

TypeAheadState &typeAhead()
{
    static TypeAheadState state;
    return state;
}

} // namespace

void setTypeAheadClock(double (*clock)())
{
    typeAheadClock = clock ? clock : timeOfDay;
}

void ComboTypeAhead(QComboBox *list, quint16 &keyAscii)
{
    TypeAheadState &state = typeAhead();
    const double now = typeAheadClock();
    double elapsed = now - state.lastKeyTime;
    // The clock starts again at midnight; a pause across it is still a pause.
    if (elapsed < 0)
        elapsed += SecondsPerDay;

    const QChar typed = QChar(char16_t(keyAscii));
    if (list != state.lastList || elapsed >= TypeAheadPause) {
        state.prefix = typed;
        state.lastList = list;
    } else {
        state.prefix += typed;
    }

    // Without MatchCaseSensitive the search ignores letter case; it runs from the first entry.
    if (list) {
        const int hit = list->findText(state.prefix, Qt::MatchStartsWith);
        if (hit >= 0)
            list->setCurrentIndex(hit);
    }
    keyAscii = 0;
    state.lastKeyTime = now;
}

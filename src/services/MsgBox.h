#pragma once

#include <QString>
#include <functional>

// The program's one way of telling the user something: a text, a title, the buttons, no icon.
class MsgBox
{
public:
    enum Buttons { OK, YesNo, YesNoCancel };
    enum Answer { Ok, Yes, No, Cancel };

    static Answer show(const QString &text, const QString &title, Buttons buttons = OK);

    // Tests put a script in place of the real box (see tests/support/ScriptedMsgBox.h).
    using Handler = std::function<Answer(const QString &text, const QString &title, Buttons)>;
    static void setHandler(Handler handler);
};

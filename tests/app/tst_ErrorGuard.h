#pragma once

#include <QObject>
#include <memory>

class ScriptedMsgBox;

class tst_ErrorGuard : public QObject
{
    Q_OBJECT
public:
    tst_ErrorGuard();
    ~tst_ErrorGuard() override;

private slots:
    void init();
    void cleanup();

    void stopsAtTheFailingStep_data();
    void stopsAtTheFailingStep();
    void otherExceptionsAreNotSwallowed();
    void nestedActionStopsTheOuterOne();
    void guardedPassesSignalArguments();
    void eventHandlerErrorIsCaughtByTheApplication();
    void failedClosingLogicKeepsTheWindow();

private:
    std::unique_ptr<ScriptedMsgBox> m_messages;
};

#pragma once

#include <QObject>
#include <memory>

class ScriptedMsgBox;

class TestErrorGuard : public QObject
{
    Q_OBJECT
public:
    TestErrorGuard();
    ~TestErrorGuard() override;

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

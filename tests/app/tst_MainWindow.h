#pragma once

#include <QObject>
#include <memory>

class MDI;
class ScriptedMsgBox;
class TempDatabase;

class TestMainWindow : public QObject
{
    Q_OBJECT
public:
    TestMainWindow();
    ~TestMainWindow() override;

private slots:
    void init();
    void cleanup();

    void captionAndClientArea();
    void menuBar_data();
    void menuBar();
    void noAccessOrShortcutKeys();
    void navigatorOpenedTwiceIsOneWindow();
    void reopenedAfterCloseIsFresh_data();
    void reopenedAfterCloseIsFresh();
    void captionFollowsTheWindow();
    void failedLoadLeavesNoWindow();
    void exitRunsNoClosingLogic();
    void closeBoxStopsAtRefusingChild_data();
    void closeBoxStopsAtRefusingChild();
    void closeBoxClosesEveryChild();

private:
    void trigger(const char *action);

    std::unique_ptr<TempDatabase> m_database;
    std::unique_ptr<ScriptedMsgBox> m_messages;
    std::unique_ptr<MDI> m_main;
    int m_exits = 0;
};

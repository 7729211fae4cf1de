#pragma once

#include <QObject>
#include <memory>

class MDI;
class ScriptedMsgBox;
class TempDatabase;

class tst_MainWindow : public QObject
{
    Q_OBJECT
public:
    tst_MainWindow();
    ~tst_MainWindow() override;

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

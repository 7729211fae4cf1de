#pragma once

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class tst_StartUp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void goodStart();
    void databasePath_data();
    void databasePath();
    void stops_data();
    void stops();
    void secondCopy();

private:
    QList<QPair<QString, QString>> m_messages; // text, title
    QString m_startFolder;
};

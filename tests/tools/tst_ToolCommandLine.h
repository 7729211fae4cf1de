#pragma once

#include <QObject>
#include <QTemporaryDir>

// How corvane-db takes its command line: refusals with the usage text, and the accepted forms.
class tst_ToolCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void refusesBadArguments_data();
    void refusesBadArguments();
    void acceptsCustomerCountForms_data();
    void acceptsCustomerCountForms();
    void helpGoesToStandardOutput();

private:
    QTemporaryDir m_dir;
};

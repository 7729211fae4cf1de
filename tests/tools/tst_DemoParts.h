#pragma once

#include <QObject>

// The pieces the demo data is made of, where their rules can fail on their own.
class tst_DemoParts : public QObject
{
    Q_OBJECT

private slots:
    void slugs_data();
    void slugs();
    void randomStaysInRange_data();
    void randomStaysInRange();
    void weightsOfZeroNeverChosen();
    void hundredThousandNamesStayUnique();
};

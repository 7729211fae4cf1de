#pragma once

#include <QSet>
#include <QString>

class DemoRandom;
struct DemoCity;

struct DemoBusiness
{
    QString name;
    QString type; // what the name says the business is: "Medical" for a dental practice
    const DemoCity *city = nullptr; // the city a name like "Omaha Water District" is in
};

// Business names composed from word lists: family names with trades, partnerships, place-like
// names, city offices. Every name handed out differs from all earlier ones also when letter
// case is ignored, the way the database compares names, so that 100,000 of them fit one file.
class DemoBusinessNames
{
public:
    static constexpr int MaxLength = 50;

    DemoBusiness next(DemoRandom &random);

private:
    DemoBusiness compose(DemoRandom &random) const;
    bool take(const QString &name);

    QSet<QString> m_taken; // folded names
    int m_branch = 1;
};

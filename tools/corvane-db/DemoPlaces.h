#pragma once

#include <QString>
#include <vector>

class DemoRandom;

struct DemoCity
{
    QString name;
    QString state;
    int zipPrefix = 0; // the first three digits of the city's postal codes
    int areaCode = 0;
    int weight = 1; // how many customers it holds against the smallest towns
};

// Where the demo customers are: a dealer's territory of big cities holding many customers and
// small towns holding a few, with postal codes and telephone numbers to match.
namespace DemoPlaces {

const std::vector<DemoCity> &cities();
const DemoCity &pickCity(DemoRandom &random);

QString zip(DemoRandom &random, const DemoCity &city);
QString phone(DemoRandom &random, const DemoCity &city);
QString streetLine(DemoRandom &random);
// Suite, floor or unit; empty for most customers.
QString secondLine(DemoRandom &random);

} // namespace DemoPlaces

#include "DemoPlaces.h"

#include "DemoRandom.h"

#include <QStringList>
#include <array>

namespace {

std::vector<DemoCity> makeCities()
{
    return {
        { QStringLiteral("Chicago"), QStringLiteral("IL"), 606, 312, 40 },
        { QStringLiteral("Houston"), QStringLiteral("TX"), 770, 713, 32 },
        { QStringLiteral("Phoenix"), QStringLiteral("AZ"), 850, 602, 26 },
        { QStringLiteral("Philadelphia"), QStringLiteral("PA"), 191, 215, 22 },
        { QStringLiteral("Dallas"), QStringLiteral("TX"), 752, 214, 20 },
        { QStringLiteral("San Diego"), QStringLiteral("CA"), 921, 619, 18 },
        { QStringLiteral("Denver"), QStringLiteral("CO"), 802, 303, 16 },
        { QStringLiteral("Atlanta"), QStringLiteral("GA"), 303, 404, 15 },
        { QStringLiteral("Columbus"), QStringLiteral("OH"), 432, 614, 14 },
        { QStringLiteral("Indianapolis"), QStringLiteral("IN"), 462, 317, 12 },
        { QStringLiteral("Charlotte"), QStringLiteral("NC"), 282, 704, 11 },
        { QStringLiteral("Seattle"), QStringLiteral("WA"), 981, 206, 11 },
        { QStringLiteral("Nashville"), QStringLiteral("TN"), 372, 615, 10 },
        { QStringLiteral("Milwaukee"), QStringLiteral("WI"), 532, 414, 9 },
        { QStringLiteral("Kansas City"), QStringLiteral("MO"), 641, 816, 8 },
        { QStringLiteral("Omaha"), QStringLiteral("NE"), 681, 402, 7 },
        { QStringLiteral("Minneapolis"), QStringLiteral("MN"), 554, 612, 7 },
        { QStringLiteral("Tulsa"), QStringLiteral("OK"), 741, 918, 6 },
        { QStringLiteral("Albuquerque"), QStringLiteral("NM"), 871, 505, 6 },
        { QStringLiteral("Sacramento"), QStringLiteral("CA"), 958, 916, 6 },
        { QStringLiteral("St. Louis"), QStringLiteral("MO"), 631, 314, 6 },
        { QStringLiteral("Pittsburgh"), QStringLiteral("PA"), 152, 412, 5 },
        { QStringLiteral("Cincinnati"), QStringLiteral("OH"), 452, 513, 5 },
        { QStringLiteral("Louisville"), QStringLiteral("KY"), 402, 502, 5 },
        { QStringLiteral("Richmond"), QStringLiteral("VA"), 232, 804, 4 },
        { QStringLiteral("Salt Lake City"), QStringLiteral("UT"), 841, 801, 4 },
        { QStringLiteral("Boise"), QStringLiteral("ID"), 837, 208, 3 },
        { QStringLiteral("Des Moines"), QStringLiteral("IA"), 503, 515, 3 },
        { QStringLiteral("Spokane"), QStringLiteral("WA"), 992, 509, 3 },
        { QStringLiteral("Madison"), QStringLiteral("WI"), 537, 608, 3 },
        { QStringLiteral("Little Rock"), QStringLiteral("AR"), 722, 501, 3 },
        { QStringLiteral("Birmingham"), QStringLiteral("AL"), 352, 205, 3 },
        { QStringLiteral("Knoxville"), QStringLiteral("TN"), 379, 865, 3 },
        { QStringLiteral("Greensboro"), QStringLiteral("NC"), 274, 336, 2 },
        { QStringLiteral("Tacoma"), QStringLiteral("WA"), 984, 253, 2 },
        { QStringLiteral("Fort Wayne"), QStringLiteral("IN"), 468, 260, 2 },
        { QStringLiteral("Lubbock"), QStringLiteral("TX"), 794, 806, 2 },
        { QStringLiteral("Reno"), QStringLiteral("NV"), 895, 775, 2 },
        { QStringLiteral("Lincoln"), QStringLiteral("NE"), 685, 402, 2 },
        { QStringLiteral("Baton Rouge"), QStringLiteral("LA"), 708, 225, 2 },
        { QStringLiteral("Akron"), QStringLiteral("OH"), 443, 330, 2 },
        { QStringLiteral("Rochester"), QStringLiteral("NY"), 146, 585, 2 },
        { QStringLiteral("Syracuse"), QStringLiteral("NY"), 132, 315, 2 },
        { QStringLiteral("Springfield"), QStringLiteral("IL"), 627, 217, 2 },
        { QStringLiteral("Peoria"), QStringLiteral("IL"), 616, 309, 1 },
        { QStringLiteral("Rockford"), QStringLiteral("IL"), 611, 815, 1 },
        { QStringLiteral("Green Bay"), QStringLiteral("WI"), 543, 920, 1 },
        { QStringLiteral("Fargo"), QStringLiteral("ND"), 581, 701, 1 },
        { QStringLiteral("Sioux Falls"), QStringLiteral("SD"), 571, 605, 1 },
        { QStringLiteral("Billings"), QStringLiteral("MT"), 591, 406, 1 },
        { QStringLiteral("Cheyenne"), QStringLiteral("WY"), 820, 307, 1 },
        { QStringLiteral("Casper"), QStringLiteral("WY"), 826, 307, 1 },
        { QStringLiteral("Burlington"), QStringLiteral("VT"), 54, 802, 1 },
        { QStringLiteral("Portland"), QStringLiteral("ME"), 41, 207, 1 },
        { QStringLiteral("Bangor"), QStringLiteral("ME"), 44, 207, 1 },
        { QStringLiteral("Duluth"), QStringLiteral("MN"), 558, 218, 1 },
        { QStringLiteral("Eau Claire"), QStringLiteral("WI"), 547, 715, 1 },
        { QStringLiteral("Santa Fe"), QStringLiteral("NM"), 875, 505, 1 },
        { QStringLiteral("Flagstaff"), QStringLiteral("AZ"), 860, 928, 1 },
        { QStringLiteral("Coeur d'Alene"), QStringLiteral("ID"), 838, 208, 1 },
        { QStringLiteral("Española"), QStringLiteral("NM"), 875, 505, 1 },
    };
}

std::vector<int> cityWeights()
{
    std::vector<int> weights;
    for (const DemoCity &city : DemoPlaces::cities())
        weights.push_back(city.weight);
    return weights;
}

const QStringList &streetNames()
{
    static const QStringList names {
        QStringLiteral("Main"),
        QStringLiteral("Oak"),
        QStringLiteral("Maple"),
        QStringLiteral("Cedar"),
        QStringLiteral("Elm"),
        QStringLiteral("Washington"),
        QStringLiteral("Lincoln"),
        QStringLiteral("Park"),
        QStringLiteral("Lake"),
        QStringLiteral("Hill"),
        QStringLiteral("Church"),
        QStringLiteral("Market"),
        QStringLiteral("Franklin"),
        QStringLiteral("Jefferson"),
        QStringLiteral("Madison"),
        QStringLiteral("Pine"),
        QStringLiteral("Walnut"),
        QStringLiteral("Chestnut"),
        QStringLiteral("Spring"),
        QStringLiteral("River"),
        QStringLiteral("Commerce"),
        QStringLiteral("Industrial"),
        QStringLiteral("Airport"),
        QStringLiteral("Mill"),
        QStringLiteral("Highland"),
        QStringLiteral("Sunset"),
        QStringLiteral("Ridge"),
        QStringLiteral("1st"),
        QStringLiteral("2nd"),
        QStringLiteral("3rd"),
        QStringLiteral("5th"),
        QStringLiteral("12th"),
        QStringLiteral("Monroe"),
        QStringLiteral("Grand"),
        QStringLiteral("Broadway"),
        QStringLiteral("Center"),
    };
    return names;
}

const QStringList &streetKinds()
{
    static const QStringList kinds {
        QStringLiteral("Street"),
        QStringLiteral("St."),
        QStringLiteral("Avenue"),
        QStringLiteral("Ave."),
        QStringLiteral("Road"),
        QStringLiteral("Boulevard"),
        QStringLiteral("Drive"),
        QStringLiteral("Lane"),
        QStringLiteral("Parkway"),
        QStringLiteral("Court"),
        QStringLiteral("Way"),
        QStringLiteral("Place"),
    };
    return kinds;
}

const QStringList &directions()
{
    static const QStringList prefixes { QStringLiteral("N."), QStringLiteral("S."),
        QStringLiteral("E."), QStringLiteral("W."), QStringLiteral("North"),
        QStringLiteral("West") };
    return prefixes;
}

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

namespace DemoPlaces {

const std::vector<DemoCity> &cities()
{
    static const std::vector<DemoCity> all = makeCities();
    return all;
}

const DemoCity &pickCity(DemoRandom &random)
{
    static const std::vector<int> weights = cityWeights();
    return cities().at(std::size_t(random.weighted(weights)));
}

QString zip(DemoRandom &random, const DemoCity &city)
{
    QString code = digits(city.zipPrefix, 3) + digits(random.between(1, 99), 2);
    if (random.chance(12))
        code += QLatin1Char('-') + digits(random.between(1, 9999), 4);
    return code;
}

QString phone(DemoRandom &random, const DemoCity &city)
{
    return QStringLiteral("(%1) %2-%3")
        .arg(city.areaCode)
        .arg(random.between(201, 989))
        .arg(digits(random.below(10000), 4));
}

QString streetLine(DemoRandom &random)
{
    if (random.chance(4))
        return QStringLiteral("P.O. Box ") + QString::number(random.between(10, 9999));
    QString line
        = QString::number(random.chance(70) ? random.between(100, 9999) : random.between(1, 99));
    line += QLatin1Char(' ');
    if (random.chance(20))
        line += random.pick(directions()) + QLatin1Char(' ');
    return line + random.pick(streetNames()) + QLatin1Char(' ') + random.pick(streetKinds());
}

QString secondLine(DemoRandom &random)
{
    static constexpr std::array<int, 5> Kinds { 72, 14, 6, 5, 3 };
    switch (random.weighted(Kinds)) {
    case 1:
        return QStringLiteral("Suite ")
            + QString::number(random.between(1, 9) * 100 + random.below(40));
    case 2:
        return QStringLiteral("Floor ") + QString::number(random.between(2, 30));
    case 3:
        return QStringLiteral("Unit ") + QChar(u'A' + random.below(8));
    case 4:
        return QStringLiteral("Bldg. ") + QString::number(random.between(1, 12));
    default:
        return {};
    }
}

} // namespace DemoPlaces

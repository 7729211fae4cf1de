#include "DemoBusinessNames.h"

#include "DemoPeople.h"
#include "DemoPlaces.h"
#include "DemoRandom.h"
#include "FoldedCollation.h"

#include <QStringList>
#include <array>
#include <vector>

namespace {

struct Trade
{
    QString words;
    QString type;
};

Trade trade(const char16_t *words, const char16_t *type)
{
    return { QString::fromUtf16(words), QString::fromUtf16(type) };
}

const std::vector<Trade> &trades()
{
    static const std::vector<Trade> all {
        trade(u"Dental", u"Medical"),
        trade(u"Dental Care", u"Medical"),
        trade(u"Family Practice", u"Medical"),
        trade(u"Pediatrics", u"Medical"),
        trade(u"Orthodontics", u"Medical"),
        trade(u"Chiropractic", u"Medical"),
        trade(u"Eye Care", u"Medical"),
        trade(u"Physical Therapy", u"Medical"),
        trade(u"Medical Center", u"Medical"),
        trade(u"Animal Hospital", u"Medical"),
        trade(u"Pharmacy", u"Medical"),
        trade(u"Dermatology", u"Medical"),
        trade(u"Imaging Center", u"Medical"),
        trade(u"Law Group", u"Legal"),
        trade(u"Law Offices", u"Legal"),
        trade(u"Legal Services", u"Legal"),
        trade(u"Title Company", u"Legal"),
        trade(u"Attorneys at Law", u"Legal"),
        trade(u"Mediation Services", u"Legal"),
        trade(u"Academy", u"Education"),
        trade(u"Learning Center", u"Education"),
        trade(u"Montessori School", u"Education"),
        trade(u"Prep School", u"Education"),
        trade(u"Tutoring", u"Education"),
        trade(u"Driving School", u"Education"),
        trade(u"Day School", u"Education"),
        trade(u"Hardware", u"Retail"),
        trade(u"Florist", u"Retail"),
        trade(u"Bakery", u"Retail"),
        trade(u"Books", u"Retail"),
        trade(u"Furniture", u"Retail"),
        trade(u"Jewelers", u"Retail"),
        trade(u"Outfitters", u"Retail"),
        trade(u"Pet Supply", u"Retail"),
        trade(u"Boutique", u"Retail"),
        trade(u"Auto Parts", u"Retail"),
        trade(u"Market", u"Retail"),
        trade(u"Travel", u"Retail"),
        trade(u"Realty", u"Retail"),
        trade(u"Insurance", u"Retail"),
        trade(u"Accounting", u"Retail"),
        trade(u"Tax Service", u"Retail"),
        trade(u"Home Center", u"Retail"),
        trade(u"Appliance", u"Retail"),
        trade(u"Gallery", u"Retail"),
        trade(u"Motors", u"Retail"),
        trade(u"Machine Works", u"Manufacturing"),
        trade(u"Tool & Die", u"Manufacturing"),
        trade(u"Plastics", u"Manufacturing"),
        trade(u"Fabrication", u"Manufacturing"),
        trade(u"Metalworks", u"Manufacturing"),
        trade(u"Printing", u"Manufacturing"),
        trade(u"Packaging", u"Manufacturing"),
        trade(u"Cabinetry", u"Manufacturing"),
        trade(u"Foundry", u"Manufacturing"),
        trade(u"Millwork", u"Manufacturing"),
        trade(u"Electronics", u"Manufacturing"),
        trade(u"Components", u"Manufacturing"),
        trade(u"Foundation", u"Non-Profit"),
        trade(u"Food Bank", u"Non-Profit"),
        trade(u"Community Services", u"Non-Profit"),
        trade(u"Rescue Mission", u"Non-Profit"),
        trade(u"Arts Council", u"Non-Profit"),
        trade(u"Youth League", u"Non-Profit"),
        trade(u"Historical Society", u"Non-Profit"),
        trade(u"Animal Shelter", u"Non-Profit"),
    };
    return all;
}

const std::vector<Trade> &partnerships()
{
    static const std::vector<Trade> all {
        trade(u"LLP", u"Legal"),
        trade(u"Associates", u"Legal"),
        trade(u"CPAs", u"Retail"),
        trade(u"Architects", u"Retail"),
    };
    return all;
}

const std::vector<Trade> &cityOffices()
{
    static const std::vector<Trade> all {
        trade(u"Public Library", u"Government"),
        trade(u"Water District", u"Government"),
        trade(u"Parks Department", u"Government"),
        trade(u"Fire Department", u"Government"),
        trade(u"Police Department", u"Government"),
        trade(u"Housing Authority", u"Government"),
        trade(u"Transit Authority", u"Government"),
        trade(u"County Clerk", u"Government"),
        trade(u"Municipal Court", u"Government"),
        trade(u"Public Works", u"Government"),
        trade(u"School District", u"Education"),
        trade(u"Community College", u"Education"),
        trade(u"Chamber of Commerce", u"Non-Profit"),
    };
    return all;
}

const QStringList &placeWords()
{
    static const QStringList words {
        QStringLiteral("Blue"),
        QStringLiteral("Cedar"),
        QStringLiteral("Silver"),
        QStringLiteral("North"),
        QStringLiteral("Golden"),
        QStringLiteral("Maple"),
        QStringLiteral("Summit"),
        QStringLiteral("Harbor"),
        QStringLiteral("River"),
        QStringLiteral("Pine"),
        QStringLiteral("Oak"),
        QStringLiteral("Crystal"),
        QStringLiteral("Eagle"),
        QStringLiteral("Prairie"),
        QStringLiteral("Lakeside"),
        QStringLiteral("Granite"),
        QStringLiteral("Willow"),
        QStringLiteral("Sunrise"),
        QStringLiteral("Heritage"),
        QStringLiteral("Liberty"),
        QStringLiteral("Pioneer"),
        QStringLiteral("Valley"),
        QStringLiteral("Coastal"),
        QStringLiteral("Evergreen"),
        QStringLiteral("Highland"),
        QStringLiteral("Redwood"),
        QStringLiteral("Meadow"),
        QStringLiteral("Copper"),
        QStringLiteral("Iron"),
        QStringLiteral("Stone"),
        QStringLiteral("Bright"),
        QStringLiteral("Clear"),
        QStringLiteral("Grand"),
        QStringLiteral("Royal"),
        QStringLiteral("Western"),
        QStringLiteral("Southern"),
        QStringLiteral("Central"),
        QStringLiteral("Park"),
        QStringLiteral("Aspen"),
        QStringLiteral("Birch"),
        QStringLiteral("Falcon"),
        QStringLiteral("Juniper"),
        QStringLiteral("Sierra"),
        QStringLiteral("Bayou"),
        QStringLiteral("Mesa"),
        QStringLiteral("Canyon"),
        QStringLiteral("Orchard"),
        QStringLiteral("Lantern"),
    };
    return words;
}

const QStringList &landmarks()
{
    static const QStringList words {
        QStringLiteral("Ridge"),
        QStringLiteral("Point"),
        QStringLiteral("Creek"),
        QStringLiteral("View"),
        QStringLiteral("Brook"),
        QStringLiteral("Field"),
        QStringLiteral("Gate"),
        QStringLiteral("Wood"),
        QStringLiteral("Bay"),
        QStringLiteral("Crest"),
        QStringLiteral("Springs"),
        QStringLiteral("Haven"),
        QStringLiteral("Grove"),
        QStringLiteral("Falls"),
        QStringLiteral("Bridge"),
        QStringLiteral("Mill"),
        QStringLiteral("Rock"),
        QStringLiteral("Hollow"),
        QStringLiteral("Trail"),
        QStringLiteral("Square"),
        QStringLiteral("Landing"),
        QStringLiteral("Heights"),
        QStringLiteral("Pointe"),
        QStringLiteral("Lake"),
        QStringLiteral("Glen"),
        QStringLiteral("Meadows"),
        QStringLiteral("Park"),
        QStringLiteral("Crossing"),
        QStringLiteral("Hills"),
        QStringLiteral("Shore"),
        QStringLiteral("Station"),
        QStringLiteral("Terrace"),
        QStringLiteral("Commons"),
        QStringLiteral("Vista"),
        QStringLiteral("Harbor"),
        QStringLiteral("Run"),
    };
    return words;
}

const QStringList &companySuffixes()
{
    static const QStringList words { QStringLiteral("Inc."), QStringLiteral("LLC"),
        QStringLiteral("Co."), QStringLiteral("Ltd."), QStringLiteral("Group"),
        QStringLiteral("& Co.") };
    return words;
}

const QStringList &families()
{
    static const QStringList words { QStringLiteral("Sons"), QStringLiteral("Söhne"),
        QStringLiteral("Daughters"), QStringLiteral("Fils"), QStringLiteral("Hijos") };
    return words;
}

const QStringList &flairs()
{
    static const QStringList words {
        QStringLiteral("Élan"),
        QStringLiteral("Lumière"),
        QStringLiteral("Soleil"),
        QStringLiteral("Olé"),
        QStringLiteral("Crème"),
        QStringLiteral("Bohème"),
        QStringLiteral("Étoile"),
        QStringLiteral("Côte"),
        QStringLiteral("Mañana"),
        QStringLiteral("Noël"),
        QStringLiteral("Fête"),
        QStringLiteral("Rosé"),
    };
    return words;
}

template <typename T> const T &pickFrom(DemoRandom &random, const std::vector<T> &list)
{
    return list.at(std::size_t(random.below(int(list.size()))));
}

QString folded(const QString &name)
{
    QString key;
    key.reserve(name.size());
    for (const char32_t c : name.toUcs4()) {
        const char32_t f = CaseFold::fold(c);
        key += QString::fromUcs4(&f, 1);
    }
    return key;
}

} // namespace

DemoBusiness DemoBusinessNames::next(DemoRandom &random)
{
    // The word lists hold several hundred thousand names; far fewer tries than this find a
    // free one even when 100,000 are taken.
    constexpr int Tries = 64;
    DemoBusiness business;
    for (int i = 0; i < Tries; ++i) {
        business = compose(random);
        if (business.name.size() <= MaxLength && take(business.name))
            return business;
    }
    // Past the lists' reach: a numbered branch of the last name tried, which is always free.
    const QString base = business.name.left(MaxLength - 8);
    while (!take(QStringLiteral("%1 %2").arg(base).arg(m_branch)))
        ++m_branch;
    business.name = QStringLiteral("%1 %2").arg(base).arg(m_branch);
    return business;
}

DemoBusiness DemoBusinessNames::compose(DemoRandom &random) const
{
    static constexpr std::array<int, 7> Patterns { 24, 16, 28, 14, 5, 2, 11 };
    const QStringList &surnames = DemoPeople::surnames();
    const auto space = QLatin1Char(' ');
    switch (random.weighted(Patterns)) {
    case 0: { // "O'Brien Dental"
        const Trade &t = pickFrom(random, trades());
        return { random.pick(surnames) + space + t.words, t.type };
    }
    case 1: { // "Hale & Porter LLP", "Núñez & Kim Eye Care"
        const QString first = random.pick(surnames);
        QString second = random.pick(surnames);
        while (second == first)
            second = random.pick(surnames);
        const Trade &t
            = random.chance(40) ? pickFrom(random, partnerships()) : pickFrom(random, trades());
        return { first + QStringLiteral(" & ") + second + space + t.words, t.type };
    }
    case 2: { // "Cedar Point Printing"
        const QString place = random.pick(placeWords()) + space + random.pick(landmarks());
        const Trade &t = pickFrom(random, trades());
        return { place + space + t.words, t.type };
    }
    case 3: { // "Garcia Auto Parts Inc."
        const Trade &t = pickFrom(random, trades());
        return { random.pick(surnames) + space + t.words + space + random.pick(companySuffixes()),
            t.type };
    }
    case 4: { // "Müller & Söhne"
        const Trade &t = pickFrom(random, trades());
        return { random.pick(surnames) + QStringLiteral(" & ") + random.pick(families()), t.type };
    }
    case 5: // "Café Élan"
        return { QStringLiteral("Café ") + random.pick(flairs()), QStringLiteral("Retail") };
    default: { // "Coeur d'Alene Public Library"
        const DemoCity &city = DemoPlaces::pickCity(random);
        if (random.chance(8))
            return { QStringLiteral("City of ") + city.name, QStringLiteral("Government"), &city };
        const Trade &t = pickFrom(random, cityOffices());
        return { city.name + space + t.words, t.type, &city };
    }
    }
}

bool DemoBusinessNames::take(const QString &name)
{
    const QString key = folded(name);
    if (m_taken.contains(key))
        return false;
    m_taken.insert(key);
    return true;
}

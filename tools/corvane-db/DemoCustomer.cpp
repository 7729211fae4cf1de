#include "DemoCustomer.h"

#include "DemoBusinessNames.h"
#include "DemoPeople.h"
#include "DemoPlaces.h"
#include "DemoRandom.h"
#include "DemoSlug.h"

namespace {

constexpr int TextWidth = 50;

QString domainEnding(const QString &type)
{
    if (type == QLatin1String("Government"))
        return QStringLiteral(".gov");
    if (type == QLatin1String("Non-Profit"))
        return QStringLiteral(".org");
    if (type == QLatin1String("Education"))
        return QStringLiteral(".edu");
    return QStringLiteral(".com");
}

QString email(DemoRandom &random, const QString &first, const QString &last, const QString &domain)
{
    const QString box = random.chance(60)
        ? DemoSlug::of(first) + QLatin1Char('.') + DemoSlug::of(last)
        : DemoSlug::of(first).left(1) + DemoSlug::of(last);
    // A long business name makes a long domain; cut it so that the address fits its column.
    const int room = TextWidth - int(box.size()) - 1;
    return box + QLatin1Char('@') + domain.right(room);
}

DemoContact contact(
    DemoRandom &random, const DemoCity &city, const QString &mainPhone, const QString &domain)
{
    DemoContact person;
    const QString first = random.pick(DemoPeople::firstNames());
    const QString last = random.pick(DemoPeople::surnames());
    person.name = first + QLatin1Char(' ') + last;
    person.title = random.chance(85) ? random.pick(DemoPeople::titles()) : QString();
    if (random.chance(45))
        person.phone = mainPhone + QStringLiteral(" x") + QString::number(random.between(10, 299));
    else if (random.chance(80))
        person.phone = DemoPlaces::phone(random, city);
    if (random.chance(20))
        person.fax = DemoPlaces::phone(random, city);
    if (random.chance(75))
        person.email = email(random, first, last, domain);
    return person;
}

} // namespace

DemoCustomer DemoCustomer::make(
    DemoRandom &random, const DemoBusiness &business, const QDateTime &entered)
{
    DemoCustomer row;
    const DemoCity &city = business.city ? *business.city : DemoPlaces::pickCity(random);
    row.customer = business.name;
    row.address1 = DemoPlaces::streetLine(random);
    row.address2 = DemoPlaces::secondLine(random);
    row.city = city.name;
    row.state = city.state;
    row.zip = DemoPlaces::zip(random, city);
    row.phone = DemoPlaces::phone(random, city);
    if (random.chance(70))
        row.fax = DemoPlaces::phone(random, city);
    // Left empty by the office for some customers.
    if (random.chance(88))
        row.type = business.type;
    const QString domain = DemoSlug::of(business.name).left(40) + domainEnding(business.type);
    if (random.chance(60))
        row.website = QStringLiteral("www.") + domain;
    if (random.chance(92))
        row.contact1 = contact(random, city, row.phone, domain);
    if (random.chance(40))
        row.contact2 = contact(random, city, row.phone, domain);
    row.dateEntered = entered;
    return row;
}

#include "DemoMachine.h"

#include "DemoCalendar.h"
#include "DemoRandom.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// What kind of machine: the range of its model numbers, how much it prints a month and what
// its lease costs.
struct Kind
{
    QString suffixes; // one of these ends a model number; a blank ends it with nothing
    int seriesLow, seriesHigh, seriesStep;
    int volumeLow, volumeHigh, volumeStep;
    int paymentLow, paymentHigh; // whole dollars a month
};

const std::vector<Kind> &kinds()
{
    static const std::vector<Kind> all {
        { QStringLiteral(" i"), 2000, 8500, 5, 3000, 60000, 500, 89, 689 }, // copier
        { QStringLiteral("cC"), 300, 990, 5, 1500, 25000, 500, 69, 399 }, // color copier
        { QStringLiteral(" dn"), 100, 990, 10, 300, 8000, 100, 19, 129 }, // printer
        { QStringLiteral(" "), 20, 95, 5, 100, 1500, 100, 15, 59 }, // fax machine
        { QStringLiteral("W"), 50, 99, 1, 100, 2000, 100, 129, 499 }, // wide format printer
        { QStringLiteral(" "), 10, 80, 5, 200, 5000, 100, 25, 149 }, // postage meter
        { QStringLiteral(" s"), 10, 90, 10, 500, 10000, 500, 29, 119 }, // scanner
    };
    return all;
}
constexpr std::array<int, 7> KindWeights { 35, 25, 18, 8, 4, 5, 5 };

struct Brand
{
    QString name;
    QString modelPrefix;
    QString serialPrefix;
};

const std::vector<Brand> &brands()
{
    // Invented makers: the demo must not look like an endorsement of anyone's machines.
    static const std::vector<Brand> all {
        { QStringLiteral("Veltrix"), QStringLiteral("VX-"), QStringLiteral("VX") },
        { QStringLiteral("Quillon"), QStringLiteral("Q"), QStringLiteral("QL") },
        { QStringLiteral("Aubrell"), QStringLiteral("AB "), QStringLiteral("AUB") },
        { QStringLiteral("Kestrin"), QStringLiteral("K-"), QStringLiteral("KS") },
        { QStringLiteral("Solvane"), QStringLiteral("SV"), QStringLiteral("SV") },
        { QStringLiteral("Tessaro"), QStringLiteral("T"), QStringLiteral("TSR") },
        { QStringLiteral("Marbeck"), QStringLiteral("MB-"), QStringLiteral("MBK") },
        { QStringLiteral("Orvella"), QStringLiteral("Orva "), QStringLiteral("OV") },
        { QStringLiteral("Brightwell"), QStringLiteral("BW"), QStringLiteral("BRW") },
        { QStringLiteral("Dunmore"), QStringLiteral("DM "), QStringLiteral("DNM") },
    };
    return all;
}
constexpr std::array<int, 10> BrandWeights { 22, 18, 14, 11, 9, 8, 6, 5, 4, 3 };

const QStringList &providers()
{
    static const QStringList all {
        QStringLiteral("Tri-County Business Machines"),
        QStringLiteral("Summit Office Leasing"),
        QStringLiteral("Capital Equipment Finance"),
        QStringLiteral("Harbor Imaging Systems"),
        QStringLiteral("Dunn's Business Machines"),
        QStringLiteral("Great Lakes Office Supply"),
        QStringLiteral("Prairie Copier Service"),
        QStringLiteral("Mid-State Leasing"),
        QStringLiteral("Keystone Document Solutions"),
        QStringLiteral("In-house"),
    };
    return all;
}

const QStringList &remarks()
{
    static const QStringList all {
        QStringLiteral("Located in the front office."),
        QStringLiteral("Second floor, next to the break room."),
        QStringLiteral("Jams often on the bypass tray."),
        QStringLiteral("Toner is bought from an office supply store, not from us."),
        QStringLiteral("Service contract includes parts and labor."),
        QStringLiteral("Customer's IT person handles the network setup."),
        QStringLiteral("Replaced the fuser last spring."),
        QStringLiteral("Runs mostly invoices and statements."),
        QStringLiteral("Wants a quote on a faster machine before the lease is up."),
        QStringLiteral("Meter reads are sent in by e-mail every month."),
        QStringLiteral("Used for patient forms; privacy settings matter to them."),
        QStringLiteral("Staples and hole punch finisher attached."),
        QStringLiteral("They complained about the noise."),
        QStringLiteral("Scans to the shared folder; the password was changed in March."),
        QStringLiteral("Bought used from another dealer."),
        QStringLiteral("Color volume is growing; watch the click charges."),
        QStringLiteral("Machine is shared with the office next door."),
        QStringLiteral("Ask for Dana at the front desk for meter reads."),
        QStringLiteral("Moved to the warehouse office after the remodel."),
        QStringLiteral("Paper drawer 2 does not lock; a part is on order."),
        QStringLiteral("Very happy with the print quality of the booklets they make for "
                       "their seminars, but the stapler unit has needed three visits this "
                       "year and they expect a loaner the next time it fails."),
    };
    return all;
}

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString makeModel(DemoRandom &random, const Brand &brand, const Kind &kind)
{
    const int steps = (kind.seriesHigh - kind.seriesLow) / kind.seriesStep;
    QString text = brand.modelPrefix
        + QString::number(kind.seriesLow + random.between(0, steps) * kind.seriesStep);
    const QChar suffix = kind.suffixes.at(random.below(int(kind.suffixes.size())));
    if (suffix != QLatin1Char(' '))
        text += suffix;
    return text;
}

QString serialNumber(DemoRandom &random, const Brand &brand)
{
    const QChar plant(u'A' + random.below(12));
    if (random.chance(30))
        return brand.serialPrefix + QLatin1Char('-') + digits(random.below(1000), 3)
            + QLatin1Char('-') + digits(random.below(100000), 5);
    return brand.serialPrefix + plant + digits(random.below(10000000), 7);
}

// As the office typed it: with or without thousands separators, rounded, or not at all.
QString makeVolume(DemoRandom &random, const Kind &kind)
{
    const int steps = (kind.volumeHigh - kind.volumeLow) / kind.volumeStep;
    const int volume = kind.volumeLow + random.between(0, steps) * kind.volumeStep;
    static constexpr std::array<int, 5> Forms { 40, 30, 8, 7, 15 };
    switch (random.weighted(Forms)) {
    case 0: {
        static const QLocale separators(QLocale::English, QLocale::UnitedStates);
        return separators.toString(volume);
    }
    case 1:
        return QString::number(volume);
    case 2:
        return volume >= 1000 ? QString::number(volume / 1000) + QLatin1Char('k')
                              : QString::number(volume);
    case 3:
        return QStringLiteral("about ") + QString::number(volume);
    default:
        return {};
    }
}

QString makeTerm(DemoRandom &random, int months)
{
    static constexpr std::array<int, 4> Forms { 45, 30, 15, 10 };
    const QString number = QString::number(months);
    switch (random.weighted(Forms)) {
    case 0:
        return number + QStringLiteral(" months");
    case 1:
        return number;
    case 2:
        return number + QStringLiteral(" Months");
    default:
        return number + QStringLiteral(" mo");
    }
}

double makePayment(DemoRandom &random, const Kind &kind)
{
    static constexpr std::array<int, 4> Endings { 95, 0, 50, 99 };
    static constexpr std::array<int, 4> EndingWeights { 50, 25, 15, 10 };
    const int cents = random.between(kind.paymentLow, kind.paymentHigh) * 100
        + Endings[random.weighted(EndingWeights)];
    return cents / 100.0;
}

QString makeNotes(DemoRandom &random)
{
    if (random.chance(35))
        return {};
    const int sentences = random.between(1, 3);
    QStringList picked;
    for (int i = 0; i < sentences; ++i) {
        const QString &sentence = random.pick(remarks());
        if (!picked.contains(sentence))
            picked << sentence;
    }
    return picked.join(QLatin1Char(' '));
}

void lease(DemoRandom &random, DemoMachine &machine, const Kind &kind)
{
    static constexpr std::array<int, 10> Terms { 24, 36, 36, 36, 39, 48, 48, 60, 60, 63 };
    const int months = Terms[std::size_t(random.below(int(Terms.size())))];
    const QDate latestStart = std::min(
        DemoCalendar::lastActivityDay(), DemoCalendar::lastLeaseEnd().addMonths(-months));
    machine.dateLeased = DemoCalendar::dayBetween(random, DemoCalendar::firstDay(), latestStart);
    machine.leaseTerm = makeTerm(random, months);
    machine.leaseEnds = machine.dateLeased.addMonths(months);
    machine.monthlyPayment = makePayment(random, kind);
}

} // namespace

DemoMachine DemoMachine::make(DemoRandom &random, const QDateTime &customerEntered)
{
    DemoMachine machine;
    const Kind &kind = kinds().at(std::size_t(random.weighted(KindWeights)));
    const Brand &brand = brands().at(std::size_t(random.weighted(BrandWeights)));
    machine.brand = brand.name;
    machine.model = makeModel(random, brand, kind);
    machine.sn = random.chance(90) ? serialNumber(random, brand) : QString();
    if (random.chance(90))
        machine.provider = random.pick(providers());
    if (random.chance(55))
        lease(random, machine, kind);
    else
        machine.datePurchased = DemoCalendar::dayBetween(
            random, DemoCalendar::firstDay(), DemoCalendar::lastActivityDay());
    machine.monthlyVolume = makeVolume(random, kind);
    machine.satisfied = random.chance(80) ? QStringLiteral("Yes") : QStringLiteral("No");
    machine.notes = makeNotes(random);

    // Stored once the customer was on file and the machine was there, whichever came later.
    const QDate acquired = machine.leased() ? machine.dateLeased : machine.datePurchased;
    const QDate stored
        = std::max(customerEntered.date().addDays(1), acquired).addDays(random.below(22));
    machine.dateEntered = DemoCalendar::duringOffice(random, stored);
    return machine;
}

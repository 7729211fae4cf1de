#include "DemoPeople.h"

namespace DemoPeople {

const QStringList &firstNames()
{
    static const QStringList names {
        QStringLiteral("James"),   QStringLiteral("Mary"),    QStringLiteral("Robert"),
        QStringLiteral("Patricia"), QStringLiteral("Michael"), QStringLiteral("Linda"),
        QStringLiteral("David"),   QStringLiteral("Barbara"), QStringLiteral("William"),
        QStringLiteral("Susan"),   QStringLiteral("Richard"), QStringLiteral("Karen"),
        QStringLiteral("Thomas"),  QStringLiteral("Nancy"),   QStringLiteral("Daniel"),
        QStringLiteral("Lisa"),    QStringLiteral("Mark"),    QStringLiteral("Sandra"),
        QStringLiteral("Steven"),  QStringLiteral("Donna"),   QStringLiteral("Kevin"),
        QStringLiteral("Michelle"), QStringLiteral("Brian"),  QStringLiteral("Laura"),
        QStringLiteral("Gary"),    QStringLiteral("Angela"),  QStringLiteral("Luis"),
        QStringLiteral("Mei"),     QStringLiteral("Raj"),     QStringLiteral("Fatima"),
        QStringLiteral("José"),    QStringLiteral("Zoë"),     QStringLiteral("Renée"),
        QStringLiteral("André"),   QStringLiteral("Siobhán"), QStringLiteral("Søren"),
        QStringLiteral("Björn"),   QStringLiteral("Chloé"),   QStringLiteral("Tomás"),
        QStringLiteral("Dana"),
    };
    return names;
}

const QStringList &surnames()
{
    static const QStringList names {
        QStringLiteral("Smith"),     QStringLiteral("Johnson"),   QStringLiteral("Williams"),
        QStringLiteral("Brown"),     QStringLiteral("Jones"),     QStringLiteral("Garcia"),
        QStringLiteral("Miller"),    QStringLiteral("Davis"),     QStringLiteral("Rodriguez"),
        QStringLiteral("Martinez"),  QStringLiteral("Hernandez"), QStringLiteral("Lopez"),
        QStringLiteral("Wilson"),    QStringLiteral("Anderson"),  QStringLiteral("Thomas"),
        QStringLiteral("Taylor"),    QStringLiteral("Moore"),     QStringLiteral("Jackson"),
        QStringLiteral("Martin"),    QStringLiteral("Lee"),       QStringLiteral("Thompson"),
        QStringLiteral("White"),     QStringLiteral("Harris"),    QStringLiteral("Clark"),
        QStringLiteral("Lewis"),     QStringLiteral("Robinson"),  QStringLiteral("Walker"),
        QStringLiteral("Young"),     QStringLiteral("Allen"),     QStringLiteral("King"),
        QStringLiteral("Wright"),    QStringLiteral("Scott"),     QStringLiteral("Hill"),
        QStringLiteral("Green"),     QStringLiteral("Adams"),     QStringLiteral("Baker"),
        QStringLiteral("Nelson"),    QStringLiteral("Carter"),    QStringLiteral("Mitchell"),
        QStringLiteral("Roberts"),   QStringLiteral("Turner"),    QStringLiteral("Phillips"),
        QStringLiteral("Campbell"),  QStringLiteral("Parker"),    QStringLiteral("Evans"),
        QStringLiteral("Edwards"),   QStringLiteral("Collins"),   QStringLiteral("Stewart"),
        QStringLiteral("Morris"),    QStringLiteral("Murphy"),    QStringLiteral("Cook"),
        QStringLiteral("Rogers"),    QStringLiteral("Reed"),      QStringLiteral("Bailey"),
        QStringLiteral("Cooper"),    QStringLiteral("Howard"),    QStringLiteral("Ward"),
        QStringLiteral("Brooks"),    QStringLiteral("Kelly"),     QStringLiteral("Sanders"),
        QStringLiteral("Price"),     QStringLiteral("Bennett"),   QStringLiteral("Wood"),
        QStringLiteral("Barnes"),    QStringLiteral("Ross"),      QStringLiteral("Hale"),
        QStringLiteral("Porter"),    QStringLiteral("Fischer"),   QStringLiteral("Nguyen"),
        QStringLiteral("Patel"),     QStringLiteral("Kim"),       QStringLiteral("Chen"),
        QStringLiteral("Novak"),     QStringLiteral("Kowalski"),  QStringLiteral("Schwartz"),
        QStringLiteral("McAllister"), QStringLiteral("MacLeod"),  QStringLiteral("Fitzgerald"),
        QStringLiteral("O'Brien"),   QStringLiteral("O'Connor"),  QStringLiteral("O'Neil"),
        QStringLiteral("D'Angelo"),  QStringLiteral("O'Hara"),    QStringLiteral("Müller"),
        QStringLiteral("Peña"),      QStringLiteral("Núñez"),     QStringLiteral("Dvořák"),
        QStringLiteral("Lefèvre"),   QStringLiteral("Gonçalves"), QStringLiteral("Sørensen"),
        QStringLiteral("Åberg"),     QStringLiteral("Łukasik"),   QStringLiteral("Jiménez"),
        QStringLiteral("Brontë"),    QStringLiteral("Ibáñez"),    QStringLiteral("Weiß"),
        QStringLiteral("Kühn"),      QStringLiteral("Østergaard"),
    };
    return names;
}

const QStringList &titles()
{
    static const QStringList names {
        QStringLiteral("Office Manager"),       QStringLiteral("Owner"),
        QStringLiteral("President"),            QStringLiteral("Purchasing Manager"),
        QStringLiteral("IT Manager"),           QStringLiteral("Practice Administrator"),
        QStringLiteral("Principal"),            QStringLiteral("Controller"),
        QStringLiteral("Operations Manager"),   QStringLiteral("Receptionist"),
        QStringLiteral("Executive Assistant"),  QStringLiteral("Facilities Director"),
        QStringLiteral("Managing Partner"),     QStringLiteral("Business Manager"),
        QStringLiteral("Director of Finance"),  QStringLiteral("City Clerk"),
        QStringLiteral("Plant Manager"),        QStringLiteral("Executive Director"),
    };
    return names;
}

const QStringList &telemarketers()
{
    static const QStringList names {
        QStringLiteral("Alice"), QStringLiteral("Brenda"), QStringLiteral("Carlos"),
        QStringLiteral("Denise"), QStringLiteral("Eddie"), QStringLiteral("Frank"),
        QStringLiteral("Gloria"), QStringLiteral("Hector"), QStringLiteral("Irene"),
        QStringLiteral("Janet"), QStringLiteral("Keith"), QStringLiteral("Lorraine"),
    };
    return names;
}

} // namespace DemoPeople

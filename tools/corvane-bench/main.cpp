// Times the navigator's searches end to end on demo databases of 10,000 (M) and 100,000 (L)
// customers, against the bare engine running the same statement.

#include "BareEngine.h"
#include "CustomerBench.h"
#include "ReportBench.h"
#include "SearchBench.h"
#include "StartupBench.h"

#include "CorvaneApplication.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CorvaneApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], StartupChildArgument) == 0)
        return startupChild(QString::fromLocal8Bit(argv[2]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the navigator's searches."));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("scale"), QStringLiteral("M, L or all (default all)."),
        QStringLiteral("scale"), QStringLiteral("all") });
    parser.addOption(
        { QStringLiteral("runs"), QStringLiteral("Timed runs per search (at least 5)."),
            QStringLiteral("runs"), QStringLiteral("5") });
    parser.addOption({ QStringLiteral("dir"),
        QStringLiteral("Folder of the benchmark databases (default: beside this program)."),
        QStringLiteral("dir"), QCoreApplication::applicationDirPath() });
    parser.addOption({ QStringLiteral("search"),
        QStringLiteral("Time only this search (none, city, lease_month, callback_month, "
                       "one_word, two_words, city_word, no_match_word), or navigator_open."),
        QStringLiteral("search") });
    parser.addOption({ QStringLiteral("bench"),
        QStringLiteral("startup, search, customer (the customer window and the drill-down), "
                       "reports or all (default all)."),
        QStringLiteral("bench"), QStringLiteral("all") });
    parser.addOption({ QStringLiteral("no-bare"),
        QStringLiteral("Leave out the bare engine's runs of the searches.") });
    parser.addOption({ QStringLiteral("keep-pdf"),
        QStringLiteral("With the reports: keep the M report's PDF at this path."),
        QStringLiteral("path") });
    parser.process(app);

    const QString scale = parser.value(QStringLiteral("scale")).toUpper();
    bool ok = false;
    const int runs = parser.value(QStringLiteral("runs")).toInt(&ok);
    const QString bench = parser.value(QStringLiteral("bench"));
    const bool searches = bench == "all" || bench == "search";
    // One search asked for by name times that search alone.
    const bool all = bench == "all" && !parser.isSet(QStringLiteral("search"));
    const bool customer = all || bench == "customer";
    const bool reports = all || bench == "reports";
    if (!ok || runs < 5 || (scale != "M" && scale != "L" && scale != "ALL")
        || !(searches || customer || reports || bench == "startup")) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }

    QList<BenchScale> scales;
    if (scale != "L")
        scales << BenchScale { QStringLiteral("M"), 10000 };
    if (scale != "M")
        scales << BenchScale { QStringLiteral("L"), 100000 };
    for (const BenchScale &s : scales) {
        const QString path = QDir(parser.value(QStringLiteral("dir")))
                                 .filePath(QStringLiteral("bench-%1.db").arg(s.name));
        QStringList lines;
        if (searches)
            lines << runSearchBench(s, path, runs, parser.value(QStringLiteral("search")),
                !parser.isSet(QStringLiteral("no-bare")));
        if (all || bench == "startup")
            lines << runStartupBench(s, path, runs);
        if (customer)
            lines << runCustomerBench(s, path, runs);
        if (reports)
            lines << runReportBench(s, path, runs, parser.value(QStringLiteral("keep-pdf")));
        for (const QString &line : lines) {
            std::printf("%s\n", qPrintable(line));
            std::fflush(stdout);
        }
    }
    return 0;
}

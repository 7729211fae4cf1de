#include "Recordset.h"
#include "ReportLayout.h"
#include "ReportsMod.h"
#include "ScratchDatabase.h"
#include "SearchStatement.h"
#include "TestRegistry.h"

#include <QDir>
#include <QTest>

// Every field a report layout names, in its table's column list or in a text, is a field of
// the record set the report procedures bind to that table: a misspelt field fails here
// instead of printing blank on every page.
class tst_ReportLayoutFields : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void namedFieldsAreRead_data();
    void namedFieldsAreRead();

private:
    std::unique_ptr<ScratchDatabase> m_db;
};

namespace {

// What the engine fills in itself rather than reading from a table.
const QStringList EngineFields = { "Page", "Pages", "PrintDate", "RecordCount" };

// One table of a layout: the statement its rows come from and the fields the layout reads.
struct LayoutTable
{
    QString name;
    QString sql;
    QStringList fields;
};

void addFields(QStringList &fields, const ReportTemplate &text)
{
    for (const QString &field : text.fields())
        if (!EngineFields.contains(field))
            fields << field;
}

void addFields(QStringList &fields, const QList<ReportColumnLayout> &columns)
{
    for (const ReportColumnLayout &column : columns)
        addFields(fields, column.text);
}

QList<LayoutTable> tablesOf(const ReportLayout &layout)
{
    // Every report runs on the navigator's kept search; its criteria do not change the fields.
    LayoutTable main { QStringLiteral("main"), searchStatement(SearchCriteria()),
        layout.tableColumns };
    for (const ReportSectionLayout &section : layout.sections) {
        addFields(main.fields, section.text);
        addFields(main.fields, section.aside);
        for (const ReportGroupLayout &group : section.groups)
            for (const ReportTemplate &line : group.lines)
                addFields(main.fields, line);
        addFields(main.fields, section.columns);
    }
    QList<LayoutTable> tables;
    for (const SubreportLayout &sub : layout.subreports) {
        main.fields << sub.parentField;
        LayoutTable table { sub.name, ReportsMod::subreportStatement(sub.name), { sub.linkField } };
        addFields(table.fields, sub.columns);
        addFields(table.fields, sub.note);
        tables << table;
    }
    tables.prepend(main);
    for (LayoutTable &table : tables)
        table.fields.removeDuplicates();
    return tables;
}

} // namespace

void tst_ReportLayoutFields::initTestCase()
{
    m_db = std::make_unique<ScratchDatabase>();
}

void tst_ReportLayoutFields::namedFieldsAreRead_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("field");
    const QDir folder(QStringLiteral(":/reports"), QStringLiteral("*.json"));
    QVERIFY(!folder.entryList().isEmpty());
    for (const QString &file : folder.entryList()) {
        const ReportLayout layout = ReportLayout::fromFile(folder.filePath(file));
        QVERIFY2(!layout.tableColumns.isEmpty(), qPrintable(file));
        for (const LayoutTable &table : tablesOf(layout))
            for (const QString &field : table.fields)
                QTest::addRow(
                    "%s %s %s", qPrintable(layout.name), qPrintable(table.name), qPrintable(field))
                    << table.sql << field;
    }
}

void tst_ReportLayoutFields::namedFieldsAreRead()
{
    QFETCH(QString, sql);
    QFETCH(QString, field);
    Recordset rs = m_db->db().openRecordset(sql);
    QStringList names;
    for (int i = 0; i < rs.fieldCount(); ++i)
        names << rs.fieldName(i);
    rs.close();
    // The report finds a column by its name as written, or in another letter case.
    QVERIFY2(names.contains(field, Qt::CaseInsensitive),
        qPrintable(field + " is none of " + names.join(',')));
}

CORVANE_TEST(tst_ReportLayoutFields)
#include "tst_ReportLayoutFields.moc"

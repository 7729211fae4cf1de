#include "ReportLayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(("report layout: " + what).toStdString());
}

QStringList strings(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &item : value.toArray())
        out << item.toString();
    return out;
}

QList<ReportColumnLayout> columns(const QJsonValue &value)
{
    QList<ReportColumnLayout> out;
    for (const QJsonValue &item : value.toArray()) {
        const QJsonObject o = item.toObject();
        ReportColumnLayout c;
        c.header = o.value("header").toString();
        c.text = ReportTemplate(o.value("text").toString());
        c.weight = o.value("weight").toDouble(1);
        c.right = o.value("align").toString() == QLatin1String("right");
        out << c;
    }
    return out;
}

ReportSectionLayout::Kind kindOf(const QString &name)
{
    static const QList<std::pair<QString, ReportSectionLayout::Kind>> kinds
        = { { "pageHeader", ReportSectionLayout::PageHeader },
              { "pageFooter", ReportSectionLayout::PageFooter },
              { "entry", ReportSectionLayout::Entry },
              { "subreport", ReportSectionLayout::Subreport },
              { "table", ReportSectionLayout::Table }, { "rule", ReportSectionLayout::Rule },
              { "reportFooter", ReportSectionLayout::ReportFooter },
              { "empty", ReportSectionLayout::Empty } };
    for (const auto &[text, kind] : kinds)
        if (text == name)
            return kind;
    fail("unknown section kind " + name);
}

ReportSectionLayout section(const QJsonObject &o)
{
    ReportSectionLayout s;
    s.name = o.value("name").toString();
    s.kind = kindOf(o.value("kind").toString());
    s.text = ReportTemplate(o.value("text").toString());
    s.aside = ReportTemplate(o.value("aside").toString());
    for (const QJsonValue &g : o.value("groups").toArray()) {
        ReportGroupLayout group;
        group.title = g.toObject().value("title").toString();
        for (const QString &line : strings(g.toObject().value("lines")))
            group.lines << ReportTemplate(line);
        s.groups << group;
    }
    s.subreport = o.value("subreport").toString();
    s.columns = columns(o.value("columns"));
    if (s.name.isEmpty())
        fail("a section without a name");
    return s;
}

} // namespace

ReportLayout ReportLayout::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read " + path);
    return fromJson(file.readAll());
}

ReportLayout ReportLayout::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (!doc.isObject())
        fail(error.errorString());
    const QJsonObject o = doc.object();
    ReportLayout layout;
    layout.name = o.value("name").toString();
    layout.title = o.value("title").toString(layout.name);
    layout.landscape = o.value("orientation").toString() == QLatin1String("landscape");
    layout.csv = o.value("csv").toBool();
    layout.tableColumns = strings(o.value("table"));
    for (const QJsonValue &s : o.value("sections").toArray())
        layout.sections << section(s.toObject());
    for (const QJsonValue &item : o.value("subreports").toArray()) {
        const QJsonObject s = item.toObject();
        SubreportLayout sub;
        sub.name = s.value("name").toString();
        sub.title = s.value("title").toString();
        sub.emptyText = s.value("empty").toString();
        sub.linkField = s.value("link").toObject().value("field").toString();
        sub.parentField = s.value("link").toObject().value("to").toString();
        sub.columns = columns(s.value("columns"));
        sub.note = ReportTemplate(s.value("note").toString());
        sub.sectionNames = strings(s.value("sections"));
        layout.subreports << sub;
    }
    for (const ReportSectionLayout &s : layout.sections)
        if (s.kind == ReportSectionLayout::Subreport
            && std::none_of(layout.subreports.begin(), layout.subreports.end(),
                [&](const SubreportLayout &sub) { return sub.name == s.subreport; }))
            fail("section " + s.name + " names no subreport of the layout");
    return layout;
}

#pragma once

#include "ReportTemplate.h"

#include <QList>
#include <QString>
#include <QStringList>

// A report layout as it is stored with the program: JSON naming the report's table columns,
// its sections in the order they print, and its subreports. The engine draws what the layout
// declares; nothing about a particular report lives in code.
// A column of a table. A value wider than its column wraps onto more lines and its row grows:
// a report never cuts a value short.
struct ReportColumnLayout
{
    QString header;
    ReportTemplate text;
    double weight = 1; // share of the table's width
    bool right = false;
};

struct ReportGroupLayout
{
    QString title;
    QList<ReportTemplate> lines;
};

struct ReportSectionLayout
{
    enum Kind { PageHeader, PageFooter, Entry, Subreport, Table, Rule, ReportFooter, Empty };
    QString name;
    Kind kind = Rule;
    ReportTemplate text; // page header title, footer text, report footer text
    ReportTemplate aside; // text on the right: the date printed, "Page N of M", the entry's type
    QList<ReportGroupLayout> groups; // Entry: columns of lines under the heading
    QString subreport; // Subreport: which one
    QList<ReportColumnLayout> columns; // Table
};

struct SubreportLayout
{
    QString name;
    QString title;
    QString emptyText;
    QString linkField; // its column that names the entry it belongs to
    QString parentField; // the main table's column it is matched with
    QList<ReportColumnLayout> columns;
    ReportTemplate note; // a line under a row, across the table, for long free text
    QStringList sectionNames;
};

struct ReportLayout
{
    QString name;
    QString title; // what the user knows the report by: the name offered for its files
    bool landscape = false;
    bool csv = false; // the report is a plain list that can also be saved as CSV
    QStringList tableColumns;
    QList<ReportSectionLayout> sections;
    QList<SubreportLayout> subreports;

    // Reads a layout; throws std::runtime_error for a missing or malformed one.
    static ReportLayout fromFile(const QString &path);
    static ReportLayout fromJson(const QByteArray &json);
};

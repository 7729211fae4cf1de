#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>

class QPainter;

// The fonts, colours and spacing every report is drawn with. Lengths are in report units of a
// tenth of a point: fonts are sized in whole units, so text measures the same on the screen,
// on paper and in a PDF, and pages break in the same places on all three.
struct ReportStyle
{
    enum Role { Title, Heading, GroupTitle, Body, TableHeader, Cell, Note, Small, RoleCount };

    static constexpr double UnitsPerPoint = 10;
    static constexpr double UnitsPerInch = 720;
    static constexpr double Margin = 360; // half an inch all round
    static constexpr double Indent = 120; // detail tables sit under their entry's heading
    static constexpr double CellPadding = 25;
    static constexpr double EntryGap = 140;

    static const ReportStyle &instance();

    const QFont &font(Role role) const { return m_fonts[role]; }
    const QFontMetricsF &metrics(Role role) const { return *m_metrics[role]; }
    double lineHeight(Role role) const { return m_metrics[role]->lineSpacing(); }

    // The width of one line of text; widths of texts seen before come from a cache, as a
    // report repeats the same brands, names and dates on thousands of pages.
    double advance(Role role, const QString &text) const;
    // One line of text in the box, cut short with an ellipsis where it is too long, drawn at
    // a point rather than laid out in a rectangle: a PDF of thousands of pages draws hundreds
    // of thousands of cells.
    void drawLine(QPainter &p, Role role, const QString &text, const QRectF &box,
        bool alignRight = false) const;
    // Height of text set in a box of the given width, wrapped at word boundaries.
    double wrappedHeight(Role role, const QString &text, double width) const;

    QColor ink { 0x20, 0x20, 0x20 };
    QColor muted { 0x5f, 0x66, 0x70 };
    QColor accent { 0x1f, 0x4e, 0x79 };
    QColor band { 0xe4, 0xec, 0xf4 }; // the heading bar of an entry
    QColor header { 0xee, 0xf0, 0xf2 }; // column headers of a table
    QColor stripe { 0xf7, 0xf8, 0xfa }; // every other row of a table
    QColor rule { 0xb8, 0xc0, 0xc8 };

private:
    ReportStyle();
    ~ReportStyle();
    QFont m_fonts[RoleCount];
    QFontMetricsF *m_metrics[RoleCount];
    mutable QHash<QString, double> m_advances[RoleCount];
};

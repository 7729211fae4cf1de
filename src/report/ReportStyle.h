#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <memory>

class ReportGlyphs;
class ReportTextRun;

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
    double lineHeight(Role role) const { return m_lineHeights[role]; }

    // The width of one line of text, as Qt's shaping gives it.
    double advance(Role role, const QString &text) const;
    // The lines a text takes in a box of the given width. Paper keeps every character: a text
    // wider than its box breaks at spaces where it can, inside a word where the word alone is
    // wider than the box (an e-mail address, a serial number), and at the line breaks it holds.
    // Empty text has no lines.
    QStringList lines(Role role, const QString &text, double width) const;
    // How many lines the text takes in the box, one at least: a row is never lower than a line.
    int lineCount(Role role, const QString &text, double width) const;
    double height(Role role, const QString &text, double width) const
    {
        return lineCount(role, text, width) * lineHeight(role);
    }
    // Draws count of the text's lines from line from, the first at the box's top. A text that
    // fits on its one line, by far the most common, is drawn at a point without being laid out
    // or shaped: a PDF of thousands of pages draws hundreds of thousands of cells.
    // With a run of the role's glyphs, what it can take is drawn with it.
    void drawText(QPainter &p, Role role, const QString &text, const QRectF &box,
        bool alignRight = false, int from = 0, int count = 1 << 30,
        ReportTextRun *run = nullptr) const;
    // Draws one line known to fit its box, at a point.
    void drawLine(QPainter &p, Role role, const QString &line, const QRectF &box,
        bool alignRight = false) const
    {
        drawAt(p, role, line, box, box.top(), alignRight);
    }
    // Draws lines already broken, the first at the box's top.
    void drawLines(QPainter &p, Role role, const QStringList &lines, const QRectF &box,
        bool alignRight = false, ReportTextRun *run = nullptr) const;
    // The glyph tables of a role, to gather a run of its texts with.
    const ReportGlyphs &glyphs(Role role) const { return *m_glyphs[role]; }

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
    bool fits(Role role, const QString &text, double width) const;
    void drawAt(QPainter &p, Role role, const QString &line, const QRectF &box, double top,
        bool alignRight, ReportTextRun *run = nullptr) const;

    QFont m_fonts[RoleCount];
    QFontMetricsF *m_metrics[RoleCount];
    // Asked for every line laid out; the font engine takes a lock each time it is asked.
    double m_lineHeights[RoleCount];
    std::unique_ptr<ReportGlyphs> m_glyphs[RoleCount];
    // Widths of the texts the glyph tables cannot measure.
    mutable QHash<QString, double> m_advances[RoleCount];
    // The lines of texts too wide for their box, by text and width: a row is measured when its
    // page is counted and again when it is drawn.
    mutable QHash<std::pair<QString, double>, QStringList> m_lines[RoleCount];
};

#pragma once

#include <QList>
#include <QPointF>
#include <QString>

class QPainter;
class ReportGlyphs;

// One-line texts of one font and colour gathered to be drawn with one call when the run goes
// out of scope: a PDF sets up colour, font and text object again for every call, and a row of
// a table holds a dozen short texts. A text the glyph tables cannot take is drawn by the caller
// as before.
class ReportTextRun
{
public:
    ReportTextRun(QPainter &p, const ReportGlyphs &glyphs);
    ~ReportTextRun();
    ReportTextRun(const ReportTextRun &) = delete;
    ReportTextRun &operator=(const ReportTextRun &) = delete;

    const ReportGlyphs &glyphs() const { return m_glyphs; }
    // Adds the text with its baseline's left end at origin; false when it is not for the tables.
    bool add(const QPointF &origin, const QString &text);

private:
    QPainter &m_painter;
    const ReportGlyphs &m_glyphs;
    QList<quint32> m_indexes;
    QList<QPointF> m_positions;
    QString m_chars;
};

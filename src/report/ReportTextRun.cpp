#include "ReportTextRun.h"

#include "ReportGlyphs.h"

ReportTextRun::ReportTextRun(QPainter &p, const ReportGlyphs &glyphs)
    : m_painter(p)
    , m_glyphs(glyphs)
{ }

ReportTextRun::~ReportTextRun()
{
    m_glyphs.draw(m_painter, m_indexes, m_positions, m_chars);
}

bool ReportTextRun::add(const QPointF &origin, const QString &text)
{
    return m_glyphs.append(origin, text, m_indexes, m_positions, m_chars);
}

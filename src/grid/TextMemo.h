#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

// Values worked out from texts, kept by text: the cells of a grid column repeat the same few
// thousand days and times many times over, and the locale takes microseconds to read each.
template <typename Value> class TextMemo
{
public:
    template <typename Compute> Value get(QStringView text, Compute compute)
    {
        const QString key = text.toString();
        auto known = m_values.constFind(key);
        if (known == m_values.constEnd())
            known = m_values.insert(key, compute(key));
        return *known;
    }

private:
    QHash<QString, Value> m_values;
};

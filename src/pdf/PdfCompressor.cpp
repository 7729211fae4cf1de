#include "PdfCompressor.h"

#include <zlib.h>

PdfCompressor::PdfCompressor(int level)
    : m_level(level)
    , m_thread([this] { run(); })
{ }

PdfCompressor::~PdfCompressor()
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

QByteArray PdfCompressor::compressed(const QByteArray &data) const
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size,
            reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), m_level)
        != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}

void PdfCompressor::start(const QByteArray &data)
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_in = data;
        m_hasIn = true;
        m_hasOut = false;
    }
    m_changed.notify_all();
}

QByteArray PdfCompressor::take()
{
    std::unique_lock<std::mutex> hold(m_lock);
    m_changed.wait(hold, [this] { return m_hasOut; });
    m_hasOut = false;
    return std::exchange(m_out, QByteArray());
}

void PdfCompressor::run()
{
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_changed.wait(hold, [this] { return m_hasIn || m_stop; });
        if (m_stop)
            return;
        const QByteArray data = std::exchange(m_in, QByteArray());
        m_hasIn = false;
        hold.unlock();
        QByteArray out = compressed(data);
        hold.lock();
        m_out = std::move(out);
        m_hasOut = true;
        m_changed.notify_all();
    }
}

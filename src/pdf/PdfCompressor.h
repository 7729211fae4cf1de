#pragma once

#include <QByteArray>
#include <condition_variable>
#include <mutex>
#include <thread>

// zlib compression of a PDF file's streams. A page's content is compressed on a thread of its
// own while the painter goes on with the next page: on a machine of two cores or more a long
// report is written in the time its painting takes alone.
class PdfCompressor
{
public:
    // level is zlib's, 1 (fastest) to 9 (smallest).
    explicit PdfCompressor(int level);
    ~PdfCompressor();
    PdfCompressor(const PdfCompressor &) = delete;
    PdfCompressor &operator=(const PdfCompressor &) = delete;

    // The data compressed at once, on the calling thread; empty when zlib refused it.
    QByteArray compressed(const QByteArray &data) const;

    // Starts compressing data on the compressor's thread; the result is taken with take()
    // before the next start.
    void start(const QByteArray &data);
    // Waits for the data last started and returns it compressed.
    QByteArray take();

private:
    void run();

    int m_level;
    std::mutex m_lock;
    std::condition_variable m_changed;
    QByteArray m_in;
    QByteArray m_out;
    bool m_hasIn = false;
    bool m_hasOut = false;
    bool m_stop = false;
    std::thread m_thread;
};

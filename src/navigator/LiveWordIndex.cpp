#include "LiveWordIndex.h"

#include "DbError.h"
#include "RowChangeLog.h"

LiveWordIndex::LiveWordIndex(Database &db)
    : m_log(db.rowChangeLog())
    , m_openSnapshot(db.snapshotOpener())
{
    startReading();
}

LiveWordIndex::~LiveWordIndex()
{
    m_stop = true;
    if (m_reader.joinable())
        m_reader.join();
    m_log->stop();
}

void LiveWordIndex::startReading()
{
    // The log starts before the snapshot's first read, so no change falls between the two; a
    // change the snapshot sees already is only read once more.
    m_log->start();
    m_done = false;
    m_reader = std::thread([this] {
        try {
            const std::shared_ptr<Database> snapshot = m_openSnapshot();
            m_read = WordIndex::build(*snapshot, m_stop);
        } catch (...) {
            // Nothing may leave the thread. The search takes the engine's path, which meets an
            // engine failure in its turn.
            m_read.reset();
        }
        m_done.store(true, std::memory_order_release);
    });
}

bool LiveWordIndex::collect(bool wait)
{
    if (!m_reader.joinable())
        return true;
    if (!wait && !m_done.load(std::memory_order_acquire))
        return false;
    m_reader.join();
    m_index = std::move(m_read);
    return true;
}

void LiveWordIndex::waitForRead()
{
    collect(true);
}

const WordIndex *LiveWordIndex::current(Database &db)
{
    if (!collect(false))
        return nullptr;
    const RowChangeLog::Changes changes = m_log->take();
    if (!m_index) {
        // A read that failed is tried again once the file has changed.
        if (!changes.empty())
            startReading();
        return nullptr;
    }
    if (!changes.complete) {
        m_index.reset();
        startReading();
        return nullptr;
    }
    try {
        m_index->update(db, changes.rows);
    } catch (const DbError &) {
        m_index.reset();
        startReading();
        return nullptr;
    }
    return m_index.get();
}

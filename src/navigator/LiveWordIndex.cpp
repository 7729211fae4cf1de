#include "LiveWordIndex.h"

#include "DbError.h"
#include "FreedMemory.h"
#include "RowChangeLog.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// The reading yields the processor to the windows of this program and others: it is work the
// user is not waiting for yet.
void lowerThisThreadsPriority()
{
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, id_t(gettid()), 10);
#endif
}

} // namespace

LiveWordIndex::Pause::Pause(LiveWordIndex *index)
    : m_index(index)
{
    if (m_index) {
        const std::lock_guard<std::mutex> hold(m_index->m_gate);
        ++m_index->m_pauses;
    }
}

LiveWordIndex::Pause::~Pause()
{
    if (m_index) {
        {
            const std::lock_guard<std::mutex> hold(m_index->m_gate);
            --m_index->m_pauses;
        }
        m_index->m_gateOpened.notify_all();
    }
}

LiveWordIndex::LiveWordIndex(Database &db)
    : m_log(db.rowChangeLog())
    , m_openSnapshot(db.snapshotOpener())
{
    startReading();
}

LiveWordIndex::~LiveWordIndex()
{
    {
        const std::lock_guard<std::mutex> hold(m_gate);
        m_stop = true;
    }
    m_gateOpened.notify_all();
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
        lowerThisThreadsPriority();
        try {
            const WordIndex::GoOn goOn = [this] { return this->goOn(); };
            if (goOn()) {
                const std::shared_ptr<Database> snapshot = m_openSnapshot();
                m_read = WordIndex::build(*snapshot, goOn);
            }
        } catch (...) {
            // Nothing may leave the thread. The search takes the engine's path, which meets an
            // engine failure in its turn.
            m_read.reset();
        }
        // What the reading used on the way is this thread's and would stay with it.
        returnFreedMemory();
        m_done.store(true, std::memory_order_release);
    });
}

bool LiveWordIndex::goOn()
{
    std::unique_lock<std::mutex> hold(m_gate);
    m_gateOpened.wait(hold, [this] { return m_pauses == 0 || m_stop; });
    return !m_stop;
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

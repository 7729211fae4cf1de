#pragma once

#include "Database.h"
#include "WordIndex.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class RowChangeLog;

// The word index of an open navigator. It is read off the window thread, on a snapshot of its
// own and at a lower priority, so that opening the navigator and its first search wait for none
// of it; until it is ready the search takes the engine's path, and the reading waits meanwhile. The
// rows the program changes meanwhile and later are logged from before the snapshot begins and read
// again at the next search; only when the log cannot tell what changed (another program wrote, the
// tables were altered) is the index read again from the start, off the window thread as before.
class LiveWordIndex
{
public:
    // Holds the reading back while it lives: a search that takes the engine's path meanwhile
    // has the processor to itself, so it takes no longer than without the index.
    class Pause
    {
    public:
        // Holds nothing for null.
        explicit Pause(LiveWordIndex *index);
        ~Pause();
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        LiveWordIndex *m_index;
    };

    explicit LiveWordIndex(Database &db);
    // Stops a read under way and waits for it to end.
    ~LiveWordIndex();
    LiveWordIndex(const LiveWordIndex &) = delete;
    LiveWordIndex &operator=(const LiveWordIndex &) = delete;

    // The index as the file stands now, brought up to date through db (the connection it was
    // made with); null while it is being read or when it could not be.
    const WordIndex *current(Database &db);
    // Waits for a read under way to end (never while paused); for measuring and testing the
    // ready index.
    void waitForRead();
    // The memory the ready index holds, in bytes; 0 while there is none.
    qsizetype bytes() const { return m_index ? m_index->bytes() : 0; }

private:
    void startReading();
    // Takes what the reading thread made once it has ended (waiting for that, or not); false
    // while it goes on.
    bool collect(bool wait);
    // On the reading thread: waits while paused; false when stopped.
    bool goOn();

    std::shared_ptr<RowChangeLog> m_log;
    Database::SnapshotOpener m_openSnapshot;
    std::unique_ptr<WordIndex> m_index;
    // Shared with the reading thread: what it made (null when it failed or was stopped), set
    // before it says it is done.
    std::unique_ptr<WordIndex> m_read;
    std::atomic<bool> m_done { false };
    // The reading thread waits at the gate while paused, and ends when stopped.
    std::mutex m_gate;
    std::condition_variable m_gateOpened;
    int m_pauses = 0;
    bool m_stop = false;
    std::thread m_reader;
};

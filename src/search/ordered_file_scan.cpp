#include "search/ordered_file_scan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/mapped_memory.h"

namespace quilsk {

namespace {

// Memory for held hits, in pieces passed on from part to part and mapped whole
// when first taken: memory touched page by page cost more than the scan itself
// on a search of many hits.
class CPiecePool {
public:
    static constexpr size_t kPieceBytes = 256 << 10;

    struct Piece {
        CMappedMemory memory;
        size_t used = 0;
        char* Data() const { return memory.Data(); }
        size_t Size() const { return memory.Bytes(); }
    };

    // A piece of at least `bytes`.
    Piece Take(size_t bytes)
    {
        if (bytes <= kPieceBytes) {
            const std::lock_guard lock(m_mutex);
            if (!m_free.empty()) {
                Piece piece = std::move(m_free.back());
                m_free.pop_back();
                piece.used = 0;
                return piece;
            }
        }
        const size_t size = std::max(bytes, kPieceBytes);
        return {CMappedMemory(size), 0};
    }

    void Give(std::vector<Piece>& pieces)
    {
        const std::lock_guard lock(m_mutex);
        for (Piece& piece : pieces)
            if (piece.Size() == kPieceBytes) m_free.push_back(std::move(piece));
        pieces.clear();
    }

private:
    std::mutex m_mutex;
    std::vector<Piece> m_free;
};

// The hits of one part, held until their turn comes: each as its line number,
// its length and its bytes, one after another in pieces from the pool.
class CHeldHits : public CScanSink {
public:
    CHeldHits(const std::atomic<bool>& stop, bool holdLines, CPiecePool& pool)
        : m_stop(stop), m_holdLines(holdLines), m_pool(pool)
    {
    }
    ~CHeldHits() override { m_pool.Give(m_pieces); }
    CHeldHits(const CHeldHits&) = delete;
    CHeldHits& operator=(const CHeldHits&) = delete;

    void Hit(std::string_view line, long lineNumber) override
    {
        ++m_count;
        if (!m_holdLines) return;
        const size_t bytes = kHeader + line.size();
        if (m_pieces.empty() || m_pieces.back().Size() - m_pieces.back().used < bytes)
            m_pieces.push_back(m_pool.Take(bytes));
        CPiecePool::Piece& piece = m_pieces.back();
        char* at = piece.Data() + piece.used;
        const std::uint32_t length = static_cast<std::uint32_t>(line.size());
        std::memcpy(at, &lineNumber, sizeof lineNumber);
        std::memcpy(at + sizeof lineNumber, &length, sizeof length);
        std::memcpy(at + kHeader, line.data(), line.size());
        piece.used += bytes;
    }
    bool KeepGoing() override { return !m_stop.load(std::memory_order_relaxed); }

    template <typename Visit>
    bool HandOn(Visit&& visit) const
    {
        if (!m_holdLines) {
            for (size_t i = 0; i < m_count; ++i)
                if (!visit(std::string_view(), 0)) return false;
            return true;
        }
        for (const CPiecePool::Piece& piece : m_pieces) {
            for (size_t at = 0; at < piece.used;) {
                long lineNumber = 0;
                std::uint32_t length = 0;
                std::memcpy(&lineNumber, piece.Data() + at, sizeof lineNumber);
                std::memcpy(&length, piece.Data() + at + sizeof lineNumber, sizeof length);
                if (!visit(std::string_view(piece.Data() + at + kHeader, length), lineNumber)) return false;
                at += kHeader + length;
            }
        }
        return true;
    }

private:
    static constexpr size_t kHeader = sizeof(long) + sizeof(std::uint32_t);

    const std::atomic<bool>& m_stop;
    const bool m_holdLines;
    CPiecePool& m_pool;
    size_t m_count = 0;
    std::vector<CPiecePool::Piece> m_pieces;
};

// A part scanned by a worker: its hits and how its scan ended, or what the scan threw.
struct ScannedPart {
    std::unique_ptr<CHeldHits> hits;
    RangeScanEnd end;
    std::exception_ptr failure;
    bool done = false;
};

// How far the workers may run ahead of the part being handed on: held lines
// cost memory until their turn; hits only counted cost none.
constexpr size_t kPartsAheadHoldingLines = 8;
constexpr size_t kPartsAheadCounting = 64;

// Long enough not to spin, short enough that a window waiting on a large file
// still handles its events in time.
constexpr std::chrono::milliseconds kWaitStep{5};

class COrderedScan {
public:
    COrderedScan(unsigned threads, const OrderedScanSteps& steps)
        : m_steps(steps),
          m_parts(steps.parts.size()),
          m_taken(steps.parts.size(), false),
          m_ahead(std::max<size_t>(threads + 1, steps.holdLines ? kPartsAheadHoldingLines : kPartsAheadCounting))
    {
    }

    void Run(unsigned threads)
    {
        std::vector<std::jthread> workers;
        // Declared after the workers, so it ends them before they are joined,
        // whether the caller's loop ends or throws.
        struct CStopOnExit {
            COrderedScan& scan;
            ~CStopOnExit() { scan.Stop(); }
        } stopOnExit{*this};
        for (unsigned t = 0; t < threads; ++t) workers.emplace_back([this] { Work(); });
        const std::vector<ScanPart>& parts = m_steps.parts;
        long readsBefore = 0;    // of the file's parts handed on
        bool textEnded = false;  // in a part of the file handed on
        for (size_t i = 0; i < parts.size() && !m_stop; ++i) {
            const size_t file = parts[i].file;
            if (i == 0 || parts[i - 1].file != file) {
                m_steps.fileStarted(file);
                readsBefore = 0;
                textEnded = false;
            }
            ScannedPart part = WaitFor(i);
            if (part.failure) std::rethrow_exception(part.failure);
            if (!part.hits) return;  // stopped before a worker took it
            bool handedOn = true;
            if (!textEnded) {
                handedOn = part.hits->HandOn([&](std::string_view line, long lineNumber) {
                    return m_steps.hit(file, line, m_steps.holdLines ? readsBefore + lineNumber : 0);
                });
                readsBefore += part.end.reads;
                textEnded = part.end.textEnded;
            }
            part.hits.reset();
            if (!handedOn || m_stop) {  // the file ends where the scan stopped
                m_steps.fileFinished(file);
                return;
            }
            const bool lastOfFile = i + 1 == parts.size() || parts[i + 1].file != file;
            if (lastOfFile && !m_steps.fileFinished(file)) return;
        }
    }

private:
    void Stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_room.notify_all();
    }

    void Work()
    {
        for (;;) {
            size_t index = 0;
            {
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [&] {
                    return m_stop || m_firstUntaken >= m_parts.size() || m_firstUntaken < m_handing + m_ahead;
                });
                if (m_stop || m_firstUntaken >= m_parts.size()) return;
                index = TakeNext();
            }
            ScannedPart part;
            try {
                part.hits = std::make_unique<CHeldHits>(m_stop, m_steps.holdLines, m_pool);
                part.end = m_steps.scanPart(index, *part.hits);
            } catch (...) {
                part.hits.reset();
                part.failure = std::current_exception();
            }
            part.done = true;
            {
                const std::lock_guard lock(m_mutex);
                m_parts[index] = std::move(part);
            }
            m_ready.notify_all();
        }
    }

    // Waits, keeping the caller's window alive, until part `index` is scanned or,
    // after a stop, was never taken.
    ScannedPart WaitFor(size_t index)
    {
        std::unique_lock lock(m_mutex);
        const auto settled = [&] { return m_parts[index].done || (m_stop && !m_taken[index]); };
        while (!m_ready.wait_for(lock, kWaitStep, settled)) {
            lock.unlock();
            const bool keepGoing = m_steps.keepWaiting();
            lock.lock();
            if (!keepGoing) m_stop = true;
        }
        ScannedPart part = std::move(m_parts[index]);
        m_handing = index + 1;
        lock.unlock();
        m_room.notify_all();
        return part;
    }

    // Of the untaken parts a worker may take, the largest (the first of equals).
    size_t TakeNext()
    {
        const std::vector<ScanPart>& parts = m_steps.parts;
        const size_t end = std::min(m_parts.size(), m_handing + m_ahead);
        size_t best = m_firstUntaken;
        for (size_t i = m_firstUntaken + 1; i < end; ++i)
            if (!m_taken[i] && parts[i].bytes > parts[best].bytes) best = i;
        m_taken[best] = true;
        while (m_firstUntaken < m_parts.size() && m_taken[m_firstUntaken]) ++m_firstUntaken;
        return best;
    }

    const OrderedScanSteps& m_steps;
    CPiecePool m_pool;  // before the parts, whose held hits give their pieces back to it
    std::mutex m_mutex;
    std::condition_variable m_ready;  // a worker finished a part
    std::condition_variable m_room;   // a worker may take the next part
    std::atomic<bool> m_stop = false;
    std::vector<ScannedPart> m_parts;
    std::vector<bool> m_taken;    // by a worker
    const size_t m_ahead;         // parts a worker may take beyond the one handed on
    size_t m_firstUntaken = 0;
    size_t m_handing = 0;         // the parts before this one were handed on
};

}  // namespace

unsigned ScanThreadCount(unsigned asked, size_t partCount)
{
    const unsigned wanted = asked != 0 ? asked : std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<size_t>(wanted, std::max<size_t>(partCount, 1)));
}

void ScanFilesInOrder(unsigned threads, const OrderedScanSteps& steps)
{
    COrderedScan(threads, steps).Run(threads);
}

}  // namespace quilsk

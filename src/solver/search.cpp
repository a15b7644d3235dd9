// The breadth-first search over presses. Positions are stored as keys in one
// arena, in the order they are found, which is the search's queue; the
// visited set holds indices into it. The queue is cut into batches that any
// thread may expand as soon as their positions are in the arena, while the
// searching thread merges the expanded ones in queue order: the result does
// not depend on the number of threads, and the merge, which only one thread
// can do, overlaps the expansion of the batches after it, even across the
// end of a layer.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif
#include <memory>
#include <thread>
#include <tsl/robin_set.h>
#include <xxhash.h>

#include "rules/key_letters.h"
#include "solver/position_codec.h"
#include "solver/press_trial.h"
#include "solver/solver.h"

namespace nerilo::solver {
namespace {

// The batches get smaller towards the end of what is queued, so that the
// threads share even the small layers of a small search; a batch is never so
// small that handing it over costs more than expanding it.
constexpr uint32_t LargestBatch = 1024;
constexpr uint32_t SmallestBatch = 16;
constexpr uint32_t MergerBatch = 64;
constexpr uint32_t NoParent = UINT32_MAX;

// The keys in chunks of a fixed count, so that a large search holds little
// more than its keys (a doubling vector would hold up to twice as many).
class KeyArena {
public:
    // Threads read the queued keys while the merge adds more:
    // the chunk list is reserved whole so that it never moves.
    KeyArena(size_t keyBytes, uint64_t maxKeys) : keyBytes_(keyBytes) { chunks_.reserve(maxKeys / ChunkKeys + 1); }
    size_t keyBytes() const { return keyBytes_; }
    uint32_t size() const { return size_; }
    const uint8_t* at(uint32_t index) const { return chunks_[index / ChunkKeys].get() + (index % ChunkKeys) * keyBytes_; }
    void push(const uint8_t* key) {
        if (size_ == chunks_.size() * ChunkKeys) chunks_.push_back(std::make_unique<uint8_t[]>(ChunkKeys * keyBytes_));
        std::memcpy(chunks_[size_ / ChunkKeys].get() + (size_ % ChunkKeys) * keyBytes_, key, keyBytes_);
        ++size_;
    }
    void pop() { --size_; }
    size_t capacityBytes() const { return chunks_.size() * ChunkKeys * keyBytes_ + chunks_.capacity() * sizeof(void*); }

private:
    static constexpr uint32_t ChunkKeys = 4096;
    size_t keyBytes_;
    uint32_t size_ = 0;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
};

// The way back from each position: its parent's index and the press that led
// here, in one word.
constexpr int PressBits = 4;
static_assert(Presses.size() <= 1 << PressBits);
constexpr uint32_t backLink(uint32_t parent, uint8_t press) { return parent << PressBits | press; }
constexpr uint32_t parentOf(uint32_t link) { return link >> PressBits; }
constexpr uint8_t pressOfLink(uint32_t link) { return static_cast<uint8_t>(link & ((1u << PressBits) - 1)); }
constexpr uint32_t MaxPositions = UINT32_MAX >> PressBits;

// The hash of a key the merge is about to add is worked out beforehand, by
// the thread that expanded it; the set asks again only when it grows.
struct PendingHash {
    uint32_t index = NoParent;
    uint64_t hash = 0;
};
uint64_t hashOfKey(const uint8_t* key, size_t bytes) { return XXH3_64bits(key, bytes); }
struct KeyHash {
    const KeyArena* arena;
    const PendingHash* pending;
    size_t operator()(uint32_t index) const {
        return index == pending->index ? pending->hash : hashOfKey(arena->at(index), arena->keyBytes());
    }
};
struct KeyEqual {
    const KeyArena* arena;
    bool operator()(uint32_t a, uint32_t b) const {
        return std::memcmp(arena->at(a), arena->at(b), arena->keyBytes()) == 0;
    }
};
// Header-only, so that the same search builds for the desktop and for the
// browser. Its buckets keep a part of each hash beside the index: a probe
// then reads a stored key only when the hashes agree, and the keys lie far
// apart in memory.
constexpr bool StoreHash = true;
using VisitedSet = tsl::robin_set<uint32_t, KeyHash, KeyEqual, std::allocator<uint32_t>, StoreHash>;
constexpr float VisitedLoad = 0.8f;

// The presses, read once.
const std::array<KeyPress, Presses.size()> KeyPresses = [] {
    std::array<KeyPress, Presses.size()> presses;
    for (size_t p = 0; p < Presses.size(); ++p) presses[p] = *pressOf(Presses[p]);
    return presses;
}();

// The positions of Options::leadsToClear that the search's keys can hold,
// looked up by their keys' hashes. A position the keys cannot hold exactly
// (decoded, it is not itself) is left out: it is not reachable from this
// start, or not one the search could tell apart.
class KnownClearable {
public:
    KnownClearable(std::span<const WorldState> positions, const WorldState& start, PositionCodec& codec)
        : keyBytes_(codec.keyBytes()) {
        World decoded{Watched::No};
        decoded.restore(start);
        std::vector<uint8_t> key(keyBytes_);
        for (size_t i = 0; i < positions.size(); ++i) {
            codec.encode(positions[i], key.data());
            codec.decode(key.data(), decoded);
            if (!(decoded.state() == positions[i])) continue;
            entries_.push_back({hashOfKey(key.data(), keyBytes_), static_cast<int>(i)});
            keys_.insert(keys_.end(), key.begin(), key.end());
        }
        // Sorted by hash, each entry keeps where its key lies.
        for (size_t e = 0; e < entries_.size(); ++e) entries_[e].at = e;
        std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    }
    bool empty() const { return entries_.empty(); }
    // The index of the known position `key` is, or -1.
    int find(const uint8_t* key, uint64_t hash) const {
        auto it = std::lower_bound(entries_.begin(), entries_.end(), hash,
                                   [](const Entry& e, uint64_t h) { return e.hash < h; });
        for (; it != entries_.end() && it->hash == hash; ++it)
            if (std::memcmp(&keys_[it->at * keyBytes_], key, keyBytes_) == 0) return it->index;
        return -1;
    }

private:
    struct Entry {
        uint64_t hash;
        int index;
        size_t at = 0;
    };
    size_t keyBytes_;
    std::vector<Entry> entries_;
    std::vector<uint8_t> keys_;
};

// A thread with nothing to do spins a little before it sleeps: on a small
// search the threads wait for each other for a few microseconds at every
// small layer, and waking a sleeping thread can take longer than that.
constexpr int SpinRounds = 64;
constexpr int SpinsPerRound = 256;
inline void pauseBriefly() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#else
    std::this_thread::yield();
#endif
}

// What one press from one position came to. A press that changed nothing
// (a walk into a wall, an action with nothing to act on) leads back to its
// own position: it is told apart as it is expanded, sparing the merge, which
// runs on one thread, a look-up that would find the parent.
struct Step {
    uint32_t parent;
    uint8_t press;
    PressOutcome outcome;
    bool unchanged = false;
};

// One thread's worlds: the position being expanded and a trial to press keys on.
class Expander {
public:
    Expander(const WorldState& start, PositionCodec& codec) : codec_(codec) { position_.restore(start); }

    // Tries every press from the position of `key`; appends a step per press
    // and, for those that end at rest, the new key. False when `cancel` was
    // set: what it appended is then incomplete.
    bool expand(uint32_t index, const uint8_t* key, std::vector<Step>& steps, std::vector<uint8_t>& keys,
                const std::atomic<bool>* cancel) {
        codec_.decode(key, position_, previous_);
        previous_ = key;
        for (size_t p = 0; p < Presses.size(); ++p) {
            const PressOutcome outcome = trial_.press(position_.state(), KeyPresses[p], cancel);
            if (outcome == PressOutcome::Cancelled) return false;
            steps.push_back({index, static_cast<uint8_t>(p), outcome});
            if (outcome != PressOutcome::Position) continue;
            keys.resize(keys.size() + codec_.keyBytes());
            uint8_t* child = keys.data() + keys.size() - codec_.keyBytes();
            codec_.encode(trial_.state(), child);
            if (std::memcmp(child, key, codec_.keyBytes()) == 0) {
                steps.back().unchanged = true;
                keys.resize(keys.size() - codec_.keyBytes());
            }
        }
        return true;
    }

private:
    PositionCodec& codec_;
    World position_{Watched::No};
    const uint8_t* previous_ = nullptr;  // the key position_ holds, in the arena
    PressTrial trial_;
};

// A run of queued positions, expanded by the thread that claimed it.
struct Batch {
    uint32_t begin = 0;
    uint32_t end = 0;
    std::vector<Step> steps;
    std::vector<uint8_t> keys;
    std::vector<uint64_t> hashes;  // of the keys
    bool ready = false;  // expanded and waiting for the merge; guarded by the search's mutex
};

std::optional<std::string> refusalOf(const WorldState& start) {
    if (start.extraMode == ExtraMode::Super) return "super mode draws random tiles, so a search cannot plan ahead";
    if (!atRest(start)) return "the round is not at rest (not started, moving, lost or cleared)";
    return std::nullopt;
}

class Search {
public:
    Search(const WorldState& start, const Options& options, const std::function<void(const Progress&)>& progress,
           const std::atomic<bool>* cancel)
        : start_(start), options_(options), progress_(progress), cancel_(cancel), codec_(start),
          limit_(std::min<uint64_t>(options.maxStates, MaxPositions)), arena_(codec_.keyBytes(), limit_),
          visited_(0, KeyHash{&arena_, &pending_}, KeyEqual{&arena_}),
          known_(options.analyse ? std::span<const WorldState>() : options.leadsToClear, start, codec_) {
        visited_.max_load_factor(VisitedLoad);
        const int threads = std::max(1, options.threads);
        for (int t = 0; t < threads; ++t) expanders_.emplace_back(std::make_unique<Expander>(start, codec_));
        // Several batches per thread may wait for the merge, so that no thread
        // waits for it while positions are queued.
        batches_.resize(8 * static_cast<size_t>(threads));
        for (int t = 1; t < threads; ++t) helpers_.emplace_back([this, t] { help(*expanders_[t]); });
    }
    ~Search();

    Result run();

private:
    // Expands the queue until it is empty or the search stops, merging the
    // batches in order; returns false when the search stopped.
    bool expandAll();
    // Under the lock: whether a queued position is left to claim and its batch has a place to go.
    bool claimable() const { return !stopping_ && nextBegin_ < queued_ && claimed_ < merged_ + batches_.size(); }
    // Under the lock, which it releases while expanding: claims the next batch and expands it.
    void expandNext(Expander& expander, std::unique_lock<std::mutex>& lock, uint32_t largest = LargestBatch);
    void help(Expander& expander);
    // Under the lock: tells the waiting threads that what they wait for may have come.
    void announce(std::condition_variable& waiting) {
        changes_.fetch_add(1, std::memory_order_release);
        waiting.notify_all();
    }
    // Under the lock: waits until `ready`, spinning a little before sleeping.
    template <class Ready>
    void waitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& waiting, Ready ready);
    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }
    // Merges one batch; returns false when the search must stop.
    bool merge(const Batch& batch);
    void finishAnalysis();
    bool deadEndWithin(uint32_t from, int presses, const std::vector<bool>& canClear) const;
    std::string pathTo(uint32_t index, uint8_t lastPress) const;
    void report(bool force);

    WorldState start_;
    Options options_;
    const std::function<void(const Progress&)>& progress_;
    const std::atomic<bool>* cancel_;
    PositionCodec codec_;
    uint64_t limit_;
    KeyArena arena_;
    PendingHash pending_;
    VisitedSet visited_;
    KnownClearable known_;
    std::deque<uint32_t> backLinks_;
    std::vector<uint32_t> layerStarts_;
    std::vector<std::unique_ptr<Expander>> expanders_;

    // The threads' shared work: the queue's batches, claimed in order and
    // merged in order, in a ring of places.
    std::vector<Batch> batches_;
    std::vector<std::thread> helpers_;
    std::mutex mutex_;
    std::condition_variable workReady_;   // a batch can be claimed, or the search ends
    std::condition_variable batchReady_;  // a batch was expanded
    uint32_t queued_ = 0;     // the positions in the arena, as the threads may read them
    uint32_t nextBegin_ = 0;  // the first position not claimed yet
    uint32_t claimed_ = 0;    // batches claimed so far
    uint32_t merged_ = 0;     // batches merged so far
    uint32_t layerEnd_ = 1;   // the end of the layer being merged (the merge's own)
    uint32_t expanding_ = 0; // batches being expanded now
    std::atomic<bool> stopping_{false};
    std::atomic<uint32_t> changes_{0};  // counts announcements, for the spinning threads
    bool finished_ = false;

    // Analysis: the positions each position leads to, and which can clear at once.
    std::vector<uint32_t> childStarts_;
    std::vector<uint32_t> children_;
    std::vector<bool> clearsAtOnce_;
    uint64_t losingPresses_ = 0;

    Result result_;
    uint32_t solvedParent_ = NoParent;
    uint8_t solvedPress_ = 0;
    uint64_t expanded_ = 0;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastReport_ = started_;
};

Search::~Search() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
        announce(workReady_);
    }
    for (std::thread& helper : helpers_) helper.join();
}

template <class Ready>
void Search::waitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& waiting, Ready ready) {
    for (int round = 0; round < SpinRounds && !ready(); ++round) {
        const uint32_t seen = changes_.load(std::memory_order_acquire);
        lock.unlock();
        for (int spin = 0; spin < SpinsPerRound && changes_.load(std::memory_order_acquire) == seen; ++spin)
            pauseBriefly();
        lock.lock();
    }
    waiting.wait(lock, ready);
}

void Search::expandNext(Expander& expander, std::unique_lock<std::mutex>& lock, uint32_t largest) {
    const uint32_t number = claimed_++;
    Batch& batch = batches_[number % batches_.size()];
    const uint32_t left = queued_ - nextBegin_;
    const uint32_t threads = static_cast<uint32_t>(expanders_.size());
    const uint32_t size = threads == 1 ? largest : std::clamp(left / (2 * threads), SmallestBatch, largest);
    batch.begin = nextBegin_;
    batch.end = nextBegin_ = std::min(queued_, nextBegin_ + size);
    ++expanding_;
    lock.unlock();
    batch.steps.clear();
    batch.keys.clear();
    batch.hashes.clear();
    // A cancelled search answers within a press: every position and every
    // long press reads the flag. A batch cut short is never merged.
    for (uint32_t i = batch.begin; i < batch.end; ++i) {
        if (cancelled() || stopping_.load(std::memory_order_relaxed) ||
            !expander.expand(i, arena_.at(i), batch.steps, batch.keys, cancel_))
            break;
    }
    const size_t keyBytes = arena_.keyBytes();
    for (size_t at = 0; at < batch.keys.size(); at += keyBytes) batch.hashes.push_back(hashOfKey(&batch.keys[at], keyBytes));
    lock.lock();
    --expanding_;
    batch.ready = true;
    announce(batchReady_);
}

void Search::help(Expander& expander) {
    std::unique_lock lock(mutex_);
    while (true) {
        waitFor(lock, workReady_, [this] { return finished_ || claimable(); });
        if (finished_) return;
        expandNext(expander, lock);
    }
}

bool Search::expandAll() {
    std::unique_lock lock(mutex_);
    queued_ = arena_.size();
    announce(workReady_);
    // The searching thread expands too while its next merge waits, a small
    // batch at a time when others expand, so that it is soon back to merging.
    const uint32_t ownBatch = expanders_.size() == 1 ? LargestBatch : MergerBatch;
    bool going = true;
    while (going) {
        Batch& next = batches_[merged_ % batches_.size()];
        if (!next.ready) {
            if (claimed_ == merged_ && nextBegin_ == queued_) break;  // every position expanded and merged
            if (claimable()) expandNext(*expanders_[0], lock, ownBatch);
            else waitFor(lock, batchReady_, [&] { return next.ready; });
            continue;
        }
        lock.unlock();
        if (cancelled()) {
            result_.outcome = Outcome::Cancelled;
            going = false;
        } else {
            going = merge(next);
            report(false);
        }
        lock.lock();
        next.ready = false;
        ++merged_;
        queued_ = arena_.size();
        announce(workReady_);
    }
    if (!going) {
        // The batches still being expanded are written into the ring: wait for them.
        stopping_ = true;
        waitFor(lock, batchReady_, [this] { return expanding_ == 0; });
    }
    for (Batch& batch : batches_) batch.ready = false;
    return going;
}

bool Search::merge(const Batch& batch) {
    // The positions whose presses were merged count as expanded: up to the
    // one whose press ended the search, however the queue was cut.
    uint32_t lastParent = batch.begin;
    const auto stop = [&] {
        expanded_ += lastParent - batch.begin + 1;
        return false;
    };
    const bool analyse = options_.analyse;
    uint32_t currentParent = NoParent;
    const uint8_t* key = batch.keys.data();
    const uint64_t* hash = batch.hashes.data();
    for (const Step& step : batch.steps) {
        lastParent = step.parent;
        if (step.parent != currentParent) {
            currentParent = step.parent;
            // The first position of the next layer: every position found
            // so far is at most one press further.
            if (step.parent == layerEnd_) {
                layerStarts_.push_back(layerEnd_);
                layerEnd_ = arena_.size();
            }
            if (analyse) childStarts_.push_back(static_cast<uint32_t>(children_.size()));
        }
        switch (step.outcome) {
        case PressOutcome::Cleared:
            if (solvedParent_ == NoParent) {
                solvedParent_ = step.parent;
                solvedPress_ = step.press;
            }
            if (!analyse) return stop();
            clearsAtOnce_[step.parent] = true;
            break;
        case PressOutcome::Lost: ++losingPresses_; break;
        case PressOutcome::NeverAtRest: break;
        case PressOutcome::Cancelled: break;  // a cancelled batch is never merged
        case PressOutcome::Position: {
            if (step.unchanged) break;
            arena_.push(key);
            key += arena_.keyBytes();
            const uint32_t candidate = arena_.size() - 1;
            pending_ = {candidate, *hash++};
            auto [at, added] = visited_.insert(candidate);
            if (added) {
                backLinks_.push_back(backLink(step.parent, step.press));
                if (analyse) clearsAtOnce_.push_back(false);
                if (!known_.empty()) {
                    const int through = known_.find(arena_.at(candidate), pending_.hash);
                    if (through >= 0) {
                        solvedParent_ = step.parent;
                        solvedPress_ = step.press;
                        result_.through = through;
                        return stop();
                    }
                }
            } else {
                arena_.pop();
            }
            if (analyse && *at != step.parent) children_.push_back(*at);
            if (arena_.size() >= limit_) {
                result_.outcome = Outcome::LimitReached;
                return stop();
            }
            break;
        }
        }
    }
    expanded_ += batch.end - batch.begin;
    return true;
}

std::string Search::pathTo(uint32_t index, uint8_t lastPress) const {
    std::string keys(1, Presses[lastPress]);
    for (uint32_t i = index; i != 0; i = parentOf(backLinks_[i])) keys += Presses[pressOfLink(backLinks_[i])];
    std::reverse(keys.begin(), keys.end());
    return keys;
}

void Search::report(bool force) {
    if (!progress_) return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - lastReport_ < std::chrono::milliseconds(250)) return;
    lastReport_ = now;
    progress_({expanded_, arena_.size(), static_cast<int>(layerStarts_.size()) - 1,
               std::chrono::duration<double>(now - started_).count()});
}

// Whether a dead end lies within `presses` presses of `from`, by the moves
// the analysis kept.
bool Search::deadEndWithin(uint32_t from, int presses, const std::vector<bool>& canClear) const {
    std::vector<uint32_t> layer{from}, next, seen{from};
    for (int depth = 0; depth < presses && !layer.empty(); ++depth) {
        next.clear();
        for (uint32_t u : layer) {
            for (uint32_t e = childStarts_[u]; e < childStarts_[u + 1]; ++e) {
                const uint32_t v = children_[e];
                if (!canClear[v]) return true;
                if (std::find(seen.begin(), seen.end(), v) != seen.end()) continue;
                seen.push_back(v);
                next.push_back(v);
            }
        }
        layer.swap(next);
    }
    return false;
}

// A position is a dead end when no clear can be reached from it: every
// position that can reach one is found by walking the moves backwards from
// the positions that clear at once.
void Search::finishAnalysis() {
    const uint32_t count = arena_.size();
    childStarts_.resize(count, static_cast<uint32_t>(children_.size()));
    childStarts_.push_back(static_cast<uint32_t>(children_.size()));
    std::vector<uint32_t> parentStarts(count + 1, 0), parentsOf(children_.size());
    for (uint32_t child : children_) ++parentStarts[child + 1];
    for (uint32_t i = 0; i < count; ++i) parentStarts[i + 1] += parentStarts[i];
    std::vector<uint32_t> fill(parentStarts.begin(), parentStarts.end() - 1);
    for (uint32_t i = 0; i < count; ++i)
        for (uint32_t e = childStarts_[i]; e < childStarts_[i + 1]; ++e) parentsOf[fill[children_[e]]++] = i;

    std::vector<bool> canClear(clearsAtOnce_);
    std::vector<uint32_t> queue;
    for (uint32_t i = 0; i < count; ++i)
        if (canClear[i]) queue.push_back(i);
    for (size_t head = 0; head < queue.size(); ++head) {
        const uint32_t v = queue[head];
        for (uint32_t e = parentStarts[v]; e < parentStarts[v + 1]; ++e) {
            const uint32_t u = parentsOf[e];
            if (!canClear[u]) {
                canClear[u] = true;
                queue.push_back(u);
            }
        }
    }
    Analysis analysis;
    // The clear found, walked from the start: a position on it counts when
    // one of its children cannot clear, or when a press from it loses. Losing
    // presses are not kept per position, so they are tried again here: a few
    // per press of the clear.
    if (solvedParent_ != NoParent) {
        std::vector<uint32_t> path;
        for (uint32_t i = solvedParent_; i != 0; i = parentOf(backLinks_[i])) path.push_back(i);
        path.push_back(0);
        std::reverse(path.begin(), path.end());
        const std::string keys = pathTo(solvedParent_, solvedPress_);
        PressTrial trial;
        WorldState at = start_;
        int quiet = 0;
        for (size_t k = 0; k < path.size(); ++k) {
            bool wrongTurn = false;
            for (uint32_t e = childStarts_[path[k]]; e < childStarts_[path[k] + 1] && !wrongTurn; ++e)
                wrongTurn = !canClear[children_[e]];
            for (size_t p = 0; p < Presses.size() && !wrongTurn; ++p)
                wrongTurn = trial.press(at, KeyPresses[p]) == PressOutcome::Lost;
            analysis.decisions += wrongTurn;
            quiet = wrongTurn || deadEndWithin(path[k], QuietReach, canClear) ? 0 : quiet + 1;
            analysis.longestQuiet = std::max(analysis.longestQuiet, quiet);
            trial.press(at, keys[k]);
            at = trial.state();
        }
    }
    children_ = {};
    analysis.reachable = count;
    analysis.losingPresses = losingPresses_;
    for (size_t depth = 0; depth + 1 < layerStarts_.size(); ++depth) {
        for (uint32_t i = layerStarts_[depth]; i < layerStarts_[depth + 1]; ++i) {
            if (canClear[i]) continue;
            ++analysis.deadEnds;
            if (analysis.firstDeadEndDepth < 0) analysis.firstDeadEndDepth = static_cast<int>(depth);
        }
    }
    result_.analysis = analysis;
}

Result Search::run() {
    std::vector<uint8_t> key(codec_.keyBytes());
    codec_.encode(start_, key.data());
    arena_.push(key.data());
    visited_.insert(0);
    backLinks_.push_back(0);
    clearsAtOnce_.push_back(false);
    result_.outcome = Outcome::Unsolvable;
    if (!known_.empty()) {
        result_.through = known_.find(key.data(), hashOfKey(key.data(), key.size()));
        if (result_.through >= 0) {
            result_.outcome = Outcome::Solved;
            result_.stored = 1;
            return result_;
        }
    }

    layerStarts_.push_back(0);
    const bool going = expandAll();
    layerStarts_.push_back(arena_.size());

    // A clear found before the limit is still a shortest one; only the analysis is then incomplete.
    if (solvedParent_ != NoParent && result_.outcome != Outcome::Cancelled) {
        result_.outcome = Outcome::Solved;
        result_.keys = pathTo(solvedParent_, solvedPress_);
    }
    if (options_.analyse && going) finishAnalysis();
    report(true);
    result_.expanded = expanded_;
    result_.stored = arena_.size();
    result_.storedBytes = arena_.capacityBytes() + visited_.bucket_count() * sizeof(tsl::detail_robin_hash::bucket_entry<uint32_t, StoreHash>) +
                          backLinks_.size() * sizeof(uint32_t);
    result_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    return result_;
}

}  // namespace

Result solveWithin(const WorldState& start, const Options& options, double seconds) {
    std::atomic<bool> cancel{false};
    const auto progress = [&](const Progress& p) {
        if (p.seconds > seconds) cancel = true;
    };
    return solve(start, options, progress, &cancel);
}

Result solve(const WorldState& start, const Options& options, const std::function<void(const Progress&)>& progress,
             const std::atomic<bool>* cancel) {
    if (std::optional<std::string> refusal = refusalOf(start)) {
        Result result;
        result.outcome = Outcome::Refused;
        result.refusal = *refusal;
        return result;
    }
    return Search(start, options, progress, cancel).run();
}

}  // namespace nerilo::solver

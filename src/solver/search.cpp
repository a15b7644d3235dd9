// The breadth-first search over presses. Positions are stored as keys in one
// arena; the visited set holds indices into it. Each layer is expanded in
// batches, by several threads when asked, and merged in index order, so the
// result does not depend on the number of threads.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
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

constexpr size_t BatchSize = 2048;
constexpr uint32_t NoParent = UINT32_MAX;

// The keys in chunks of a fixed count, so that a large search holds little
// more than its keys (a doubling vector would hold up to twice as many).
class KeyArena {
public:
    explicit KeyArena(size_t keyBytes) : keyBytes_(keyBytes) {}
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

struct KeyHash {
    const KeyArena* arena;
    size_t operator()(uint32_t index) const { return XXH3_64bits(arena->at(index), arena->keyBytes()); }
};
struct KeyEqual {
    const KeyArena* arena;
    bool operator()(uint32_t a, uint32_t b) const {
        return std::memcmp(arena->at(a), arena->at(b), arena->keyBytes()) == 0;
    }
};
// Header-only, so that the same search builds for the desktop and for the
// browser; its buckets keep no hash beside the index.
using VisitedSet = tsl::robin_set<uint32_t, KeyHash, KeyEqual>;
constexpr float VisitedLoad = 0.8f;

// What one press from one position came to.
struct Step {
    uint32_t parent;
    uint8_t press;
    PressOutcome outcome;
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
        codec_.decode(key, position_);
        for (size_t p = 0; p < Presses.size(); ++p) {
            const PressOutcome outcome = trial_.press(position_.state(), Presses[p], cancel);
            if (outcome == PressOutcome::Cancelled) return false;
            steps.push_back({index, static_cast<uint8_t>(p), outcome});
            if (outcome != PressOutcome::Position) continue;
            keys.resize(keys.size() + codec_.keyBytes());
            codec_.encode(trial_.state(), keys.data() + keys.size() - codec_.keyBytes());
        }
        return true;
    }

private:
    PositionCodec& codec_;
    World position_{Watched::No};
    PressTrial trial_;
};

struct ThreadOutput {
    std::vector<Step> steps;
    std::vector<uint8_t> keys;
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
          arena_(codec_.keyBytes()), visited_(0, KeyHash{&arena_}, KeyEqual{&arena_}) {
        visited_.max_load_factor(VisitedLoad);
        for (int t = 0; t < std::max(1, options.threads); ++t)
            expanders_.emplace_back(std::make_unique<Expander>(start, codec_));
        outputs_.resize(expanders_.size());
    }

    Result run();

private:
    void expandBatch(uint32_t begin, uint32_t end);
    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }
    // Merges one batch; returns false when the search must stop.
    bool merge();
    void finishAnalysis();
    std::string pathTo(uint32_t index, uint8_t lastPress) const;
    void report(bool force);

    WorldState start_;
    Options options_;
    const std::function<void(const Progress&)>& progress_;
    const std::atomic<bool>* cancel_;
    PositionCodec codec_;
    KeyArena arena_;
    VisitedSet visited_;
    std::deque<uint32_t> backLinks_;
    std::vector<uint32_t> layerStarts_;
    std::vector<std::unique_ptr<Expander>> expanders_;
    std::vector<ThreadOutput> outputs_;

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

void Search::expandBatch(uint32_t begin, uint32_t end) {
    const size_t threads = expanders_.size();
    const uint32_t share = static_cast<uint32_t>((end - begin + threads - 1) / threads);
    auto work = [&](size_t t) {
        ThreadOutput& out = outputs_[t];
        out.steps.clear();
        out.keys.clear();
        const uint32_t from = std::min(end, begin + static_cast<uint32_t>(t) * share);
        const uint32_t to = std::min(end, from + share);
        // A cancelled search answers within a press: every position and every
        // long press reads the flag.
        for (uint32_t i = from; i < to; ++i) {
            if (cancelled() || !expanders_[t]->expand(i, arena_.at(i), out.steps, out.keys, cancel_)) return;
        }
    };
    // The arena is not written while the batch expands, so the threads may read it.
    std::vector<std::thread> helpers;
    for (size_t t = 1; t < threads; ++t) helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers) helper.join();
    expanded_ += end - begin;
}

bool Search::merge() {
    const bool analyse = options_.analyse;
    uint32_t currentParent = NoParent;
    for (const ThreadOutput& out : outputs_) {
        const uint8_t* key = out.keys.data();
        for (const Step& step : out.steps) {
            if (analyse && step.parent != currentParent) {
                currentParent = step.parent;
                childStarts_.push_back(static_cast<uint32_t>(children_.size()));
            }
            switch (step.outcome) {
            case PressOutcome::Cleared:
                if (solvedParent_ == NoParent) {
                    solvedParent_ = step.parent;
                    solvedPress_ = step.press;
                }
                if (!analyse) return false;
                clearsAtOnce_[step.parent] = true;
                break;
            case PressOutcome::Lost: ++losingPresses_; break;
            case PressOutcome::NeverAtRest: break;
            case PressOutcome::Cancelled: break;  // a cancelled batch is never merged
            case PressOutcome::Position: {
                arena_.push(key);
                key += arena_.keyBytes();
                const uint32_t candidate = arena_.size() - 1;
                auto [at, added] = visited_.insert(candidate);
                if (added) {
                    backLinks_.push_back(backLink(step.parent, step.press));
                    if (analyse) clearsAtOnce_.push_back(false);
                } else {
                    arena_.pop();
                }
                if (analyse && *at != step.parent) children_.push_back(*at);
                if (arena_.size() >= std::min<uint64_t>(options_.maxStates, MaxPositions)) {
                    result_.outcome = Outcome::LimitReached;
                    return false;
                }
                break;
            }
            }
        }
    }
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
    children_ = {};

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

    bool going = true;
    for (uint32_t begin = 0; going && begin < arena_.size();) {
        const uint32_t end = arena_.size();
        layerStarts_.push_back(begin);
        for (uint32_t batch = begin; going && batch < end; batch += BatchSize) {
            if (cancelled()) {
                result_.outcome = Outcome::Cancelled;
                going = false;
                break;
            }
            expandBatch(batch, std::min<uint32_t>(end, batch + BatchSize));
            if (cancelled()) {
                result_.outcome = Outcome::Cancelled;
                going = false;
                break;
            }
            going = merge();
            report(false);
        }
        begin = end;
    }
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
    result_.storedBytes = arena_.capacityBytes() + visited_.bucket_count() * sizeof(tsl::detail_robin_hash::bucket_entry<uint32_t, false>) +
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

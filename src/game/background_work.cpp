#include "game/background_work.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "generate/generate.h"
#include "solver/dead_end.h"
#include "solver/hint.h"
#include "solver/live_analysis.h"

namespace nerilo {
namespace {

// A huge user-made stage must not fill the memory in the background: each
// kind has its bound.
solver::Options optionsFor(const Job& job) {
    solver::Options options;
    switch (job.kind) {
    case JobKind::Hint: options = solver::hintOptions(); break;
    case JobKind::Analysis: options = solver::liveAnalysisOptions(); break;
    case JobKind::FullSearch:
        options.analyse = true;
        options.maxStates = 1'000'000;
        break;
    case JobKind::ShortestClear: options.maxStates = 5'000'000; break;
    case JobKind::DeadEnd:
    case JobKind::Proof:
    case JobKind::Generate:
    case JobKind::SaveCheck: break;
    }
    if (job.maxStates != 0) options.maxStates = job.maxStates;
    return options;
}

// The figures of a result, which travel as the bytes of a plain value; the
// texts follow them: the keys, the stage's file and the refusal. Flags travel
// as bytes, checked when read: a bool is read only once it is 0 or 1.
struct ResultFigures {
    uint64_t id;
    JobKind kind;
    uint8_t failed;
    solver::Outcome outcome;
    uint64_t expanded, stored, storedBytes;
    double seconds;
    uint8_t analysed;
    solver::Analysis analysis;
    uint32_t keysSize;
    uint8_t hasStage;
    uint32_t stageSize;
    uint8_t problemCount;
    solver::StageProblem problems[solver::ProblemKinds];
};

// A job's plain fields; the known clear's keys follow them.
struct JobFigures {
    uint64_t id;
    JobKind kind;
    WorldState start;
    uint64_t maxStates;
    int pauseMs;
    uint64_t seed;
    uint8_t hasKnown;
    WorldState knownFrom;
    uint32_t knownKeysSize;
};

template <class T>
std::optional<T> readPlain(std::string_view bytes) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (bytes.size() < sizeof(T)) return std::nullopt;
    T value;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

template <class T>
std::string plainBytes(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

JobResult failedJob(uint64_t id) {
    JobResult result;
    result.id = id;
    result.failed = true;
    result.search.outcome = solver::Outcome::Refused;
    return result;
}

namespace {

// A generation that found no room within its budget is a search that reached
// its bound; one stopped is cancelled.
JobResult generateStage(const Job& job, const std::function<void(const solver::Progress&)>& progress,
                        const std::atomic<bool>* stop) {
    generate::GenerateBudget budget;
    if (job.maxStates != 0) budget.positions = job.maxStates;
    JobResult result;
    uint64_t judged = 0;
    result.stage = generate::generateStage(job.seed, budget, [&](const generate::GenerateProgress& done) {
        judged = done.positions;
        if (progress) progress({done.positions, 0, done.candidates, 0});
    }, stop);
    result.search.expanded = judged;
    result.search.outcome = result.stage                ? solver::Outcome::Solved
                            : stop && stop->load()      ? solver::Outcome::Cancelled
                                                        : solver::Outcome::LimitReached;
    return result;
}

}  // namespace

JobResult runJob(const Job& job, const std::function<void(const solver::Progress&)>& progress,
                 const std::atomic<bool>* stop) {
    JobResult result;
    try {
        if (job.kind == JobKind::Generate) result = generateStage(job, progress, stop);
        else if (job.kind == JobKind::SaveCheck) result.problems = solver::stageProblems(job.start);
        else if (job.kind == JobKind::DeadEnd)
            result.search = solver::deadEndSearch(job.start, job.known ? &*job.known : nullptr, progress, stop);
        else result.search = solver::solve(job.start, optionsFor(job), progress, stop);
    } catch (...) {
        result = failedJob(job.id);
    }
    result.id = job.id;
    result.kind = job.kind;
    return result;
}

std::string encodeJob(const Job& job) {
    JobFigures figures{};
    figures.id = job.id;
    figures.kind = job.kind;
    figures.start = job.start;
    figures.maxStates = job.maxStates;
    figures.pauseMs = job.pauseMs;
    figures.seed = job.seed;
    figures.hasKnown = job.known.has_value();
    if (job.known) {
        figures.knownFrom = job.known->from;
        figures.knownKeysSize = static_cast<uint32_t>(job.known->keys.size());
    }
    return plainBytes(figures) + (job.known ? job.known->keys : std::string());
}

std::optional<Job> decodeJob(std::string_view bytes) {
    const std::optional<JobFigures> figures = readPlain<JobFigures>(bytes);
    if (!figures || bytes.size() - sizeof(JobFigures) != figures->knownKeysSize || figures->hasKnown > 1 ||
        (!figures->hasKnown && figures->knownKeysSize != 0) || static_cast<int>(figures->kind) >= JobKinds)
        return std::nullopt;
    Job job{figures->id, figures->kind, figures->start, figures->maxStates, figures->pauseMs, figures->seed, {}};
    if (figures->hasKnown)
        job.known = solver::KnownClear{figures->knownFrom, std::string(bytes.substr(sizeof(JobFigures)))};
    return job;
}

std::string encodeResult(const JobResult& result) {
    const solver::Result& s = result.search;
    ResultFigures figures{};
    figures.id = result.id;
    figures.kind = result.kind;
    figures.failed = result.failed;
    figures.outcome = s.outcome;
    figures.expanded = s.expanded;
    figures.stored = s.stored;
    figures.storedBytes = s.storedBytes;
    figures.seconds = s.seconds;
    figures.analysed = s.analysis.has_value();
    if (s.analysis) figures.analysis = *s.analysis;
    figures.keysSize = static_cast<uint32_t>(s.keys.size());
    // The stage crosses as the text of its file, which its reader checks again.
    const std::string stage = result.stage ? formatStage(*result.stage) : std::string();
    figures.hasStage = result.stage.has_value();
    figures.stageSize = static_cast<uint32_t>(stage.size());
    // At most one problem of each kind.
    figures.problemCount = static_cast<uint8_t>(std::min<size_t>(result.problems.size(), solver::ProblemKinds));
    std::copy_n(result.problems.begin(), figures.problemCount, figures.problems);
    return plainBytes(figures) + s.keys + stage + s.refusal;
}

std::optional<JobResult> decodeResult(std::string_view bytes) {
    const std::optional<ResultFigures> figures = readPlain<ResultFigures>(bytes);
    if (!figures || bytes.size() - sizeof(ResultFigures) < uint64_t{figures->keysSize} + figures->stageSize ||
        (figures->failed | figures->analysed | figures->hasStage) > 1 || figures->problemCount > solver::ProblemKinds ||
        static_cast<int>(figures->kind) >= JobKinds)
        return std::nullopt;
    for (int i = 0; i < figures->problemCount; ++i)
        if (static_cast<int>(figures->problems[i].kind) >= solver::ProblemKinds) return std::nullopt;
    JobResult result;
    result.id = figures->id;
    result.kind = figures->kind;
    result.failed = figures->failed;
    solver::Result& s = result.search;
    s.outcome = figures->outcome;
    s.expanded = figures->expanded;
    s.stored = figures->stored;
    s.storedBytes = figures->storedBytes;
    s.seconds = figures->seconds;
    if (figures->analysed) s.analysis = figures->analysis;
    result.problems.assign(figures->problems, figures->problems + figures->problemCount);
    bytes.remove_prefix(sizeof(ResultFigures));
    s.keys = std::string(bytes.substr(0, figures->keysSize));
    bytes.remove_prefix(figures->keysSize);
    if (figures->hasStage) {
        StageRead read = parseStage(bytes.substr(0, figures->stageSize));
        if (!read.ok()) return std::nullopt;
        result.stage = std::move(read.stage);
    } else if (figures->stageSize != 0) {
        return std::nullopt;
    }
    s.refusal = std::string(bytes.substr(figures->stageSize));
    return result;
}

}  // namespace nerilo

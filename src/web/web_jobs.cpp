// The session's background searches for the page: the desktop's own jobs, run
// in the page's workers (web/page/job-worker.js) on the same engine the page
// plays, so the page goes on answering while they search. Single-threaded, as
// a page served from a plain static host has no shared memory for threads; a
// job is cancelled by ending its worker.
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>
#include <vector>

#include "game/background_work.h"

namespace nerilo::web {
namespace {

using emscripten::val;

// The stage of the day's generation tells the page how far it has come, in
// messages of its own that the page reads while the job runs on.
void postProgress(const solver::Progress& progress) {
    val message = val::object();
    message.set("progress", static_cast<double>(progress.expanded));
    message.set("rooms", progress.depth);
    val::global("postMessage")(message);
}

// A job's bytes (Game's job, encodeJob) in; its result's bytes out, with the
// positions it stored, by which the page tells a worker grown large, and the
// search's figures for the page's measures.
val runJobBytes(const val& bytes) {
    const std::vector<uint8_t> in = emscripten::convertJSArrayToNumberVector<uint8_t>(bytes);
    val answer = val::object();
    const std::optional<Job> job = decodeJob(std::string(in.begin(), in.end()));
    if (!job) return answer;
    const JobResult result = runJob(*job, job->kind == JobKind::Generate ? postProgress : nullptr);
    const std::string out = encodeResult(result);
    answer.set("result", val(emscripten::typed_memory_view(out.size(), reinterpret_cast<const uint8_t*>(out.data())))
                             .call<val>("slice"));
    answer.set("stored", static_cast<double>(result.search.stored));
    answer.set("expanded", static_cast<double>(result.search.expanded));
    answer.set("seconds", result.search.seconds);
    return answer;
}

}  // namespace
}  // namespace nerilo::web

EMSCRIPTEN_BINDINGS(nerilo_jobs) { emscripten::function("runJob", &nerilo::web::runJobBytes); }

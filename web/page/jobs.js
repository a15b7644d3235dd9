// The session's background searches in the page: the hint, the dead-end
// warning, the stage list's shortest clears and the stage of the day. The session hands each job
// over as bytes (start) and drops it when its position is gone (cancel); a
// worker (job-worker.js) runs it on the page's own engine while the page goes
// on, and its result's bytes go back to the session, which decides what they
// mean. Each kind of job has a worker of its own, kept between its jobs: the
// session runs one job of a kind at a time.
'use strict';

// A worker's memory never shrinks: one that stored this many positions (the
// large three-ball room's 1.26 million took 40 MB) is ended when its search
// is, and the next job of its kind starts a fresh one, in a fifth of a
// second. Smaller searches keep their worker, ready at once for the next job.
const LargeSearch = 1000000;

const JobKinds = { hint: 0, deadEnd: 1, analysis: 2, fullSearch: 3, shortestClear: 4, generate: 5, saveCheck: 6, proof: 7 };

const jobs = {
    // kind → { worker, id, pause, last }: its worker, the job it runs, a start
    // waiting for its pause, and the last answer with its search's figures
    lanes: new Map(),
    start(id, kind, bytes, pauseMs) {
        if (!jobs.lanes.has(kind)) jobs.lanes.set(kind, { worker: null, id: 0, pause: null, last: null });
        const lane = jobs.lanes.get(kind);
        stopJob(lane);
        lane.id = id;
        lane.loadFailed = false;
        const post = () => {
            lane.pause = null;
            const worker = (lane.worker ??= startWorker(lane));
            worker.postMessage(bytes, [bytes.buffer]);
        };
        if (pauseMs > 0) lane.pause = setTimeout(post, pauseMs);
        else post();
    },
    cancel(id) {
        for (const lane of jobs.lanes.values()) if (lane.id === id) stopJob(lane);
    },
    // Whether a job of this kind runs, for the tests.
    running(kind) { return (jobs.lanes.get(kind)?.id ?? 0) !== 0; },
    worker(kind) { return jobs.lanes.get(kind)?.worker ?? null; },
    lastAnswer(kind) { return jobs.lanes.get(kind)?.last ?? null; },
    // Whether the last job of this kind failed because its worker could not load.
    loadFailed(kind) { return jobs.lanes.get(kind)?.loadFailed ?? false; },
};

function startWorker(lane) {
    const worker = new Worker('job-worker.js');
    // An answer from a worker already ended or replaced is dropped.
    worker.onmessage = (event) => worker === lane.worker && (event.data.progress === undefined
        ? jobAnswered(lane, event.data)
        : jobProgressed(lane, event.data));
    // The worker could not start (its engine not loaded): a failed search, and a fresh worker next time.
    worker.onerror = (event) => {
        event.preventDefault();
        if (worker !== lane.worker) return;
        lane.loadFailed = true;
        jobAnswered(lane, { failed: true });
    };
    return worker;
}

// A job searching runs to its end unless its worker ends: nothing else could
// reach it while it runs.
function stopJob(lane) {
    if (lane.pause !== null) {
        clearTimeout(lane.pause);
        lane.pause = null;
    } else if (lane.id !== 0 && lane.worker) {
        lane.worker.terminate();
        lane.worker = null;
    }
    lane.id = 0;
}

// How far a job has come (the stage of the day's generation tells it).
function jobProgressed(lane, progress) {
    if (lane.id === 0) return;
    page.game.jobProgress(lane.id, progress.progress, progress.rooms);
    after();
}

function jobAnswered(lane, answer) {
    const id = lane.id;
    lane.id = 0;
    lane.last = answer;
    // A failed search leaves its engine unusable.
    if (answer.failed || answer.stored >= LargeSearch) {
        lane.worker.terminate();
        lane.worker = null;
    }
    if (answer.failed || !answer.result) page.game.jobFailed(id);
    else page.game.jobDone(answer.result);
    updateStageList();
    after();
}

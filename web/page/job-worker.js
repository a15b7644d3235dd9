// The session's background searches, away from the page: the page's own
// engine (engine.js and engine.wasm, the same download, from the browser's
// cache) runs each job here, so the page goes on answering while it does. One
// job's bytes in, its result's bytes out; the page ends this worker to cancel.
'use strict';
importScripts('engine.js');

const engine = createEngine();

onmessage = async (event) => {
    try {
        postMessage((await engine).runJob(event.data));
    } catch (error) {
        // The engine gave up (no more memory, say): the page ends this worker.
        postMessage({ failed: true, error: String(error) });
    }
};

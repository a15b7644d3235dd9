// The hint's search, away from the page: the page's own engine (engine.js and
// engine.wasm, the same download, from the browser's cache) searches here, so
// the page goes on answering while it does. One position in, one answer out;
// the page ends this worker to cancel a search.
'use strict';
importScripts('engine.js');

const engine = createEngine();

onmessage = async (event) => {
    try {
        postMessage((await engine).searchHint(event.data));
    } catch (error) {
        // The engine gave up (no more memory, say): the page ends this worker.
        postMessage({ outcome: 'failed', error: String(error) });
    }
};

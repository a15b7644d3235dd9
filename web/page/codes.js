// Stage codes in the page: a link whose #CODE opens the stage ready to start,
// as the desktop's コードから開く does (and #5 numbered stage 5), and the share
// button, which copies a link to the current stage. The engine reads and
// writes the codes; the page only lends it the browser's deflate, which
// answers asynchronously.
'use strict';

// Fed to the inflater a little at a time, so that a code made to inflate to
// gigabytes is stopped at the engine's limit before the browser makes them.
const InflateSlice = 64;

// A raw deflate stream inflated to its very end, in the engine's terms:
// complete when the stream ends exactly with the bytes, ranOut when the bytes
// end first, broken for anything else. The browser refuses bad data and bytes
// after the stream's end as they are written, and a stream that has not ended
// when it is closed.
async function inflateExactly(bytes, maxBody) {
    const stream = new DecompressionStream('deflate-raw');
    const writer = stream.writable.getWriter();
    const reader = stream.readable.getReader();
    const chunks = [];
    let size = 0;
    const reading = (async () => {
        for (let part = await reader.read(); !part.done; part = await reader.read()) {
            chunks.push(part.value);
            size += part.value.length;
        }
    })().catch(() => {});
    const broken = () => {
        writer.abort().catch(() => {});
        return { end: 'broken' };
    };
    try {
        for (let at = 0; at < bytes.length; at += InflateSlice) {
            await writer.write(bytes.subarray(at, at + InflateSlice));
            if (size > maxBody) return broken();
        }
    } catch {
        return broken();
    }
    try {
        await writer.close();
    } catch {
        return { end: 'ranOut' };
    }
    await reading;
    if (size > maxBody) return { end: 'broken' };
    const body = new Uint8Array(size);
    let at = 0;
    for (const chunk of chunks) {
        body.set(chunk, at);
        at += chunk.length;
    }
    return { end: 'complete', body };
}

async function deflateRaw(bytes) {
    const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The code after the # of the page's address, if any; a code has no letter
// that needs escaping, but a link's may have been escaped on its way.
function linkedCode() {
    const hash = location.hash.slice(1);
    try {
        return decodeURIComponent(hash);
    } catch {
        return hash;
    }
}

// Opens the code of the address. A bad code is told in the game's own window
// and leaves the stage as it was.
async function openLinkedCode() {
    const code = linkedCode();
    if (!code) return;
    $('shareNote').textContent = '';
    let opened = false;
    // A number alone is a numbered stage's short link. While the session asks
    // about the editor's unsaved edits, the answer decides, not the code.
    if (/^[0-9]+$/.test(code)) opened = page.game.openNumberedStage(Number(code));
    const asking = page.game.question() !== null;
    const request = opened || asking ? null : page.game.stageCodeStreams(code);
    if (request) {
        const inflated = await Promise.all(request.streams.map((bytes) => inflateExactly(bytes, request.maxBody)));
        opened = page.game.openStageCode(inflated);
    }
    if (opened) followLink();
    else if (page.view?.editor.palettesEnabled && page.game.question() !== null) page.linkAsked = stageKey(page.view);
    after();
}

// The current stage's link: this page's address with the code after the #.
// The session searches the proof in the worker first, while the page goes on.
async function stageLink() {
    const body = await new Promise((resolve) => {
        page.game.shareStage(resolve);
        after();
    });
    if (!body) return null;
    const code = page.game.stageCodeOf(await deflateRaw(body));
    return `${location.href.split('#')[0]}#${code}`;
}

async function shareStage() {
    const note = $('shareNote');
    note.textContent = '';
    const link = await stageLink();
    after();
    if (!link) return;
    try {
        await navigator.clipboard.writeText(link);
        note.textContent = page.game.linkCopied();
    } catch {
        // A browser that keeps the clipboard from the page: the link to copy by hand.
        note.textContent = link;
    }
}

function wireCodes() {
    window.addEventListener('hashchange', openLinkedCode);
    return openLinkedCode();
}

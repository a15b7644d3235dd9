// The page installed: its manifest and icons, its service worker, which keeps
// every file on the first visit, a reload and a hint with the server gone,
// and a new build that replaces the cache. Each test serves a copy of the
// built page of its own, which it may change or stop.
//   NERILO_PAGE=build-web/page NERILO_MEASURES=build-web/measures.json node --test web/tests/offline.test.js
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { serve } = require('../tools/serve.js');
const { Source, PageFolder, Patience, usePage, solution, play, writeMeasures } = require('./browser.js');

const session = usePage();

// A copy of the built page served on a port of its own until the test `t`
// ends, opened and installed: the service worker controls it, its cache filled.
async function installedCopy(t) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'nerilo-page-'));
    fs.cpSync(PageFolder, folder, { recursive: true });
    const server = await serve(folder);
    t.after(() => stop(server));
    const page = await session.openPage({ url: `http://127.0.0.1:${server.address().port}/` });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: Patience });
    return { server, folder, page };
}

function stop(server) {
    if (!server.listening) return;
    server.closeAllConnections();
    return new Promise((done) => server.close(done));
}

const cacheNames = (page) => page.evaluate(() => caches.keys());

test('the manifest names the game, starts the page standalone, and its icons are the game\'s own pictures', async () => {
    const manifest = JSON.parse(fs.readFileSync(path.join(PageFolder, 'manifest.webmanifest'), 'utf8'));
    assert.deepStrictEqual([manifest.name, manifest.start_url, manifest.display], ['Nerilo', './', 'standalone']);
    const { readPng } = require('../tools/finish-page.js');
    const player = readPng(path.join(Source, 'assets/pictures/player00.png'));
    for (const icon of manifest.icons) {
        const image = readPng(path.join(PageFolder, icon.src));
        assert.strictEqual(`${image.width}x${image.height}`, icon.sizes);
        // The player's own opaque pixels, each a square of the icon's.
        const scale = image.width / player.width;
        for (let y = 0; y < player.height; ++y)
            for (let x = 0; x < player.width; ++x) {
                const from = (y * player.width + x) * 4;
                if (player.pixels[from + 3] !== 255) continue;
                const to = ((y * scale + scale - 1) * image.width + x * scale) * 4;
                assert.deepStrictEqual([...image.pixels.subarray(to, to + 3)], [...player.pixels.subarray(from, from + 3)]);
            }
    }
    const page = await session.openPage();
    assert.strictEqual(await page.getAttribute('link[rel=manifest]', 'href'), 'manifest.webmanifest');
});

test('installed on the first visit, the page reloads and plays with the server gone, and its hint still searches', async (t) => {
    const { server, page } = await installedCopy(t);
    // Every file of the page is kept, and only those.
    const kept = await page.evaluate(async () => {
        const cache = await caches.open((await caches.keys())[0]);
        const requests = await cache.keys();
        const sizes = await Promise.all(requests.map(async (r) => (await (await cache.match(r)).arrayBuffer()).byteLength));
        return { names: requests.map((r) => new URL(r.url).pathname.slice(1)), bytes: sizes.reduce((a, b) => a + b, 0) };
    });
    for (const name of ['', 'index.html', 'engine.js', 'engine.wasm', 'job-worker.js', 'en.json', 'sounds/clear.wav',
                        'pictures/player00.png', 'manifest.webmanifest'])
        assert.ok(kept.names.includes(name), `${name || 'the page'} kept`);
    await stop(server);
    await page.context().setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready]', { timeout: Patience });
    await page.keyboard.press('F1');
    await play(page, solution(1));
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('stageTitle').textContent === 'stage2.txt', null, { timeout: Patience });
    await page.keyboard.press('F1');
    // A hint is taken at rest: asked before the round has settled, it would be refused.
    await page.waitForFunction(() => JSON.parse(page.game.commands()).find((c) => c.id === 'hint').enabled, null,
                               { timeout: Patience });
    await page.keyboard.press('Control+H');
    await page.waitForFunction(() => !JSON.parse(page.game.view()).searches.hintSearching
                               && document.getElementById('hintLine').textContent !== '', null, { timeout: Patience });
    assert.match(await page.textContent('#hintLine'), /[←→↑↓Z].* あと \d+ 手$/);
    assert.deepStrictEqual(page.errors, []);
    writeMeasures({ serviceWorkerInstallBytes: kept.bytes });
});

test('a new build\'s worker replaces the cache of the one before', { timeout: Patience }, async (t) => {
    const { folder, page } = await installedCopy(t);
    const [before] = await cacheNames(page);
    // The page built again from a changed file.
    fs.appendFileSync(path.join(folder, 'style.css'), '\n/* changed */\n');
    fs.copyFileSync(path.join(Source, 'web/page/sw.js'), path.join(folder, 'sw.js'));
    execFileSync(process.execPath, [path.join(Source, 'web/tools/finish-page.js'), folder]);
    // The new worker takes the page over once its cache is filled, and is
    // activated once the old cache is gone.
    await page.evaluate(() => new Promise((done) => {
        navigator.serviceWorker.addEventListener('controllerchange', () => {
            const worker = navigator.serviceWorker.controller;
            if (worker.state === 'activated') done();
            else worker.addEventListener('statechange', () => worker.state === 'activated' && done());
        }, { once: true });
        navigator.serviceWorker.getRegistration().then((registration) => registration.update());
    }));
    const names = await cacheNames(page);
    assert.strictEqual(names.length, 1);
    assert.notStrictEqual(names[0], before);
    assert.match(names[0], /^nerilo-[0-9a-f]{16}$/);
    assert.match(await page.evaluate(() => caches.match('style.css').then((response) => response.text())), /changed/);
});

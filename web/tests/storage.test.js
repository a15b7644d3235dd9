// The player's files in the browser's storage, as a player meets them: tabs
// that play at once, files brought back, storage a private window blocks or
// a full disk refuses, and a damaged file kept for the player to take.
//   NERILO_PAGE=build-web/page node --test web/tests/storage.test.js
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const { Patience, usePage, solution, play } = require('./browser.js');

const session = usePage();

// Every message box the page opens, its text as shown, for the tests to count.
function countMessages() {
    window.messagesShown = [];
    const showModal = HTMLDialogElement.prototype.showModal;
    HTMLDialogElement.prototype.showModal = function () {
        if (this.id === 'messageDialog') window.messagesShown.push(this.querySelector('.text').textContent);
        return showModal.call(this);
    };
}

// A tab of `browserContext`, counting its messages.
async function openTab(browserContext) {
    await browserContext.addInitScript(countMessages);
    return session.openPage({ browserContext });
}

const messages = (page) => page.evaluate(() => window.messagesShown);
// A stored file's bytes, or null; the names of the stages the stored records hold.
const stored = (page, name) => page.evaluate((key) => localStorage.getItem(key) && atob(localStorage.getItem(key)), `nerilo/${name}`);
const recordedStages = async (page) => Object.keys(JSON.parse(await stored(page, 'records.json')).stages).sort();
const reload = (page) => page.reload().then(() => page.waitForSelector('body[data-ready]', { timeout: Patience }));
const progressLine = (cleared) => `${Array.from({ length: 30 }, (_, i) => cleared[i + 1] ?? 0).join(',')}\r\n`;
const stageState = (page, n) => page.evaluate((i) => JSON.parse(page.game.stageList())[i].state, n - 1);

// The file a click on `selector` downloads: its name and its bytes.
async function download(page, selector) {
    const [file] = await Promise.all([page.waitForEvent('download'), page.click(selector)]);
    return [file.suggestedFilename(), fs.readFileSync(await file.path(), 'latin1')];
}

// Closes the message box on screen with OK; its text.
async function closeMessage(page) {
    await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
    const text = await page.textContent('#messageDialog .text');
    assert.strictEqual(await page.textContent('#messageDialog .title'), 'Nerilo');
    await page.click('#messageDialog .answers button:last-child');
    return text;
}

// Opens numbered stage n, plays its solution and closes the clear window;
// the texts of the messages told before it (the clear is written first).
async function clearStage(page, n) {
    // A tab behind another ticks once a second at most, as browsers slow hidden tabs.
    await page.bringToFront();
    await page.evaluate((number) => (page.game.openNumberedStage(number), after()), n);
    await page.keyboard.press('F1');
    await play(page, solution(n));
    const told = [];
    for (;;) {
        await page.waitForSelector('#clearDialog[open], #messageDialog[open]', { timeout: Patience });
        if (await page.$('#clearDialog[open]')) break;
        told.push(await closeMessage(page));
    }
    await page.click('#clearDialog button');
    // The dialog's close event, which answers the session, comes a moment after the dialog closes.
    await page.waitForFunction(() => !document.querySelector('#clearDialog[open]')
                               && JSON.parse(page.game.question() ?? '{}').kind !== 'stageClear', null, { timeout: Patience });
    return told;
}

test('tabs keep each other\'s clears: each hears of the other\'s at once, each write merges, a new tab sees all', async () => {
    const context = await session.newContext();
    const first = await openTab(context);
    const second = await openTab(context);
    const uncleared = await stageState(second, 1);
    await clearStage(first, 1);
    // The second tab's list shows the first tab's clear before it writes anything.
    const cleared = await stageState(first, 1);
    assert.notStrictEqual(cleared, uncleared);
    await second.waitForFunction((state) => JSON.parse(page.game.stageList())[0].state === state, cleared,
                                 { timeout: Patience });
    await clearStage(second, 2);
    // A write of a moment ago whose event has not come yet (this tab's own
    // write to the storage raises none here) is merged all the same.
    await first.evaluate((line) => localStorage.setItem('nerilo/data.nrl', btoa(line)), progressLine({ 1: 1, 2: 1, 5: 2 }));
    await clearStage(first, 3);
    assert.strictEqual(await stored(first, 'data.nrl'), progressLine({ 1: 1, 2: 1, 3: 1, 5: 2 }));
    const third = await openTab(context);
    assert.strictEqual(await third.textContent('#stageTitle'), 'stage4.txt');
    assert.deepStrictEqual(await recordedStages(third), ['1', '2', '3']);
    for (const page of [first, second, third]) {
        assert.deepStrictEqual(await messages(page), []);
        assert.deepStrictEqual(page.errors, []);
    }
});

test('a file brought back is merged with the player\'s, or refused with the reason and nothing changed', async () => {
    const page = await openTab(await session.newContext());
    await clearStage(page, 1);
    let progress = await stored(page, 'data.nrl');
    let stages = ['1'];
    const older = JSON.parse(await stored(page, 'records.json'));
    older.stages = { 2: { fingerprint: '0123456789abcdef', normal: 'RRRDDRRRZ' } };
    const png = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13]);
    // The reasons for refusing each kind of file are the engine's, tested with it; here the page's part.
    const cases = [
        { what: 'a picture', name: 'data.nrl', bytes: png, taken: false },
        { what: 'an older progress file', name: 'data.nrl', bytes: Buffer.from(progressLine({ 2: 2 })), taken: true,
          progress: progressLine({ 1: 1, 2: 2 }) },
        { what: 'an older records file', name: 'records.json', bytes: Buffer.from(JSON.stringify(older)), taken: true,
          stages: ['1', '2'] },
    ];
    for (const c of cases) {
        await page.setInputFiles('#savedFile', { name: c.name, mimeType: 'application/octet-stream', buffer: c.bytes });
        const told = await closeMessage(page);
        assert.match(told, c.taken ? /まとめました/ : /読み込めません/, c.what);
        assert.ok(told.includes(c.name), c.what);
        await reload(page);
        assert.deepStrictEqual(await messages(page), [], `${c.what}: nothing told after a reload`);
        progress = c.progress ?? progress;
        stages = c.stages ?? stages;
        assert.strictEqual(await stored(page, 'data.nrl'), progress, c.what);
        assert.deepStrictEqual(await recordedStages(page), stages, c.what);
    }
    assert.strictEqual(await page.textContent('#stageTitle'), 'stage3.txt');
    assert.deepStrictEqual(page.errors, []);
});

// Storage a private window blocks (reading it throws), and storage that is
// full (every write throws): the page plays on and says so once.
test('storage that fails: the page plays on, says so once, and writes the clears once it can', async () => {
    const cases = [
        { what: 'blocked', told: /残せません/, stub: () => {
            Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });
        } },
        { what: 'full', told: /保存できませんでした/, stub: () => {
            const setItem = Storage.prototype.setItem;
            Storage.prototype.setItem = function (key, value) {
                if (!window.storageTakes) throw new DOMException('full', 'QuotaExceededError');
                return setItem.call(this, key, value);
            };
        } },
    ];
    for (const c of cases) {
        const context = await session.newContext();
        await context.addInitScript(c.stub);
        const page = await openTab(context);
        // Blocked is told at the start, with the files to export from the box; full at the first clear.
        const told = c.what === 'blocked' ? [await closeMessage(page)] : [];
        if (c.what === 'blocked') assert.strictEqual(await page.locator('#messageDialog .answers button').count(), 2);
        told.push(...await clearStage(page, 1), ...await clearStage(page, 2));
        assert.strictEqual(told.length, 1, c.what);
        assert.match(told[0], c.told, c.what);
        assert.strictEqual((await messages(page)).length, 1, c.what);
        assert.strictEqual(await page.textContent('#stageTitle'), 'stage3.txt', c.what);
        assert.strictEqual(await stageState(page, 1), await stageState(page, 2), c.what);
        assert.notStrictEqual(await stageState(page, 1), await stageState(page, 3), c.what);
        // The clears are kept in memory, to export.
        assert.deepStrictEqual(await download(page, '#exportButton'), ['data.nrl', progressLine({ 1: 1, 2: 1 })], c.what);
        assert.deepStrictEqual(page.errors, [], c.what);
        if (c.what !== 'full') continue;
        // Room again: the next write brings the clears kept in memory.
        await page.evaluate(() => { window.storageTakes = true; });
        assert.deepStrictEqual(await clearStage(page, 3), []);
        assert.strictEqual(await stored(page, 'data.nrl'), progressLine({ 1: 1, 2: 1, 3: 1 }));
        assert.deepStrictEqual(await recordedStages(page), ['1', '2', '3']);
    }
});

// A stored file the engine refuses is told at the start, set aside at the
// next write under a key of its own, and listed for the player to download
// or discard; once set aside it is told no more.
test('a damaged stored file is kept aside, listed with a download button, and told no more', async () => {
    const context = await session.newContext();
    await context.addInitScript(() => {
        if (!localStorage.getItem('nerilo/data.nrl')) localStorage.setItem('nerilo/data.nrl', btoa('garbage'));
    });
    const page = await openTab(context);
    assert.match(await closeMessage(page), /壊れています/);
    assert.ok(await page.isHidden('#damagedFiles'));
    const told = await clearStage(page, 1);
    assert.strictEqual(told.length, 1);
    assert.match(told[0], /別の名前で残しました/);
    assert.strictEqual(await page.locator('#damagedFiles li').count(), 1);
    const [name, bytes] = await download(page, '#damagedFiles li button:first-of-type');
    assert.match(name, /^data\.nrl\.damaged-\d{8}-\d{6}$/);
    assert.strictEqual(bytes, 'garbage');
    await reload(page);
    assert.deepStrictEqual(await messages(page), []);
    assert.strictEqual(await page.textContent('#stageTitle'), 'stage2.txt');
    await page.click('#damagedFiles li button:last-of-type');
    assert.ok(await page.isHidden('#damagedFiles'));
    assert.deepStrictEqual(await page.evaluate(() => Object.keys(localStorage).filter((k) => k.includes('damaged'))), []);
    assert.deepStrictEqual(page.errors, []);
});

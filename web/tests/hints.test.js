// Hints in the page, in Debian's headless Chromium: the press and the arrow
// the desktop gives, searched in a worker while the page goes on answering;
// and, as a figure, the solver's speed there against the native build's.
//   NERILO_PAGE=build-web/page NERILO_DESKTOP=build/nerilo node --test web/tests
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const { Source, PageFolder, Patience, usePage, play, writeMeasures } = require('./browser.js');

// The native nerilo-solve, for the speed figure: named, or beside the desktop game.
const NativeSolve = process.env.NERILO_SOLVE ||
    (process.env.NERILO_DESKTOP && path.join(path.dirname(process.env.NERILO_DESKTOP), 'nerilo-solve'));
const LargeRoom = path.join(Source, 'tests/data/rooms/three-balls.txt');

const session = usePage();
const openPage = () => session.openPage();

async function openRoom(page, file) {
    const chooser = page.waitForEvent('filechooser');
    await page.click('#openButton');
    await (await chooser).setFiles({ name: path.basename(file), mimeType: 'text/plain', buffer: fs.readFileSync(file) });
    await page.waitForFunction((name) => document.getElementById('stageTitle').textContent === name,
                               path.basename(file), { timeout: Patience });
}

const hintLine = (page) => page.textContent('#hintLine');
const searching = (page) => page.evaluate(() => jobs.running(JobKinds.hint));
// The session's own word: the page's worker may not have the job yet when it is asked.
const waitForAnswer = (page) => page.waitForFunction(() => !JSON.parse(page.game.view()).searches.hintSearching, null,
                                                     { timeout: Patience });
const hintWorker = (page) => page.evaluate(() => jobs.worker(JobKinds.hint) !== null);

// The board's pixel at the middle of the cell's `part` towards a direction
// (0 to 3: left, right, up, down), read off the canvas at 1×.
async function boardPixel(page, cell, direction, part) {
    return page.evaluate(([cell, direction, part]) => {
        const [dx, dy] = [[-1, 0], [1, 0], [0, -1], [0, 1]][direction];
        const x = Math.floor((cell % 15 + 0.5 + dx * part) * 32), y = Math.floor((Math.floor(cell / 15) + 0.5 + dy * part) * 32);
        return Array.from(document.getElementById('board').getContext('2d').getImageData(x, y, 1, 1).data);
    }, [cell, direction, part]);
}
const hintYellow = ([red, green, blue]) => red > 200 && green > 170 && blue < 80;

test('a hint says the next press of a shortest clear and points it from the player; the next command ends it', async () => {
    // The lines are the desktop's for the same positions (nerilo-solve --keys gives their
    // clears), the player's cells nerilo-sim's.
    const cases = [
        { stage: 1, keys: '', cell: 95, line: '→ あと 8 手', direction: 1, end: 'ArrowRight' },
        { stage: 3, keys: '', cell: 139, line: '↑ あと 9 手', direction: 2, end: 'Backspace' },
        // A stage link followed: the same stage, opened from its code.
        { stage: 3, keys: '', cell: 139, line: '↑ あと 9 手', direction: 2, end: 'link' },
        { stage: 5, keys: 'RRRRRDDD', cell: 112, line: '← あと 3 手', direction: 0, end: 'Backspace' },
        { stage: 4, keys: 'RR', cell: 79, line: '↓ あと 9 手', direction: 3, end: 'F2' },
        { stage: 8, keys: 'RR', cell: 128, line: 'Shift+↑ あと 15 手', direction: 2, end: 'ArrowLeft' },
        // The action key: a ring around the player, its yellow half a cell out whichever way.
        { stage: 1, keys: 'RRRDDLL', cell: 126, line: 'Z あと 1 手', direction: 0, end: 'Backspace' },
    ];
    const page = await openPage();
    for (const c of cases) {
        await page.evaluate((n) => page.game.openNumberedStage(n), c.stage);
        await page.keyboard.press('F1');
        await play(page, c.keys);
        const part = c.line.startsWith('Z') ? 0.48 : 0.4;
        assert.ok(!hintYellow(await boardPixel(page, c.cell, c.direction, part)), `stage ${c.stage} ${c.keys}: no hint yet`);
        await page.click('#hintButton');
        await waitForAnswer(page);
        assert.strictEqual(await hintLine(page), c.line, `stage ${c.stage} ${c.keys}`);
        // A small search keeps its worker for the next hint.
        assert.ok(await hintWorker(page));
        assert.ok(hintYellow(await boardPixel(page, c.cell, c.direction, part)), `stage ${c.stage} ${c.keys}: the arrow`);
        if (c.end === 'link') {
            await page.evaluate(async () => { location.hash = (await stageLink()).split('#')[1]; });
            // The link carries the proof its share found.
            await page.waitForFunction(() => document.getElementById('stageTitle').textContent === 'クリア確認済み', null,
                                       { timeout: Patience });
        } else {
            await page.keyboard.press(c.end);
        }
        await page.waitForFunction(() => page.game.atRest() || !page.game.ticking(), null, { timeout: Patience });
        assert.strictEqual(await hintLine(page), '', `stage ${c.stage} ${c.keys}: ended by ${c.end}`);
        assert.strictEqual(await page.evaluate(() => JSON.parse(page.game.view()).searches.hintArrow), null);
    }
    assert.deepStrictEqual(page.errors, []);
});

test('a worker that cannot start says the hint could not be searched, and the next hint starts a fresh one', async () => {
    const page = await openPage();
    await page.keyboard.press('F1');
    await page.context().route('**/job-worker.js', (route) => route.abort());
    await page.click('#hintButton');
    await waitForAnswer(page);
    assert.strictEqual(await hintLine(page), 'ヒントを探せません：探す仕組みを読み込めませんでした');
    assert.ok(!(await hintWorker(page)));
    await page.context().unroute('**/job-worker.js');
    await page.click('#hintButton');
    await waitForAnswer(page);
    assert.strictEqual(await hintLine(page), '→ あと 8 手');
});

test('a clear after a hint sets no record, as the player did not find it himself', async () => {
    for (const hinted of [false, true]) {
        const page = await openPage();
        await page.keyboard.press('F1');
        await play(page, 'RRRDDLL');
        if (hinted) {
            await page.click('#hintButton');
            await waitForAnswer(page);
        }
        await play(page, 'Z');
        await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
        await page.click('#clearDialog button');
        const records = await page.evaluate(() => JSON.parse(atob(localStorage.getItem('nerilo/records.json') ?? 'e30=')));
        assert.strictEqual(Boolean(records.stages?.['1']), !hinted, hinted ? 'hinted' : 'found alone');
        await page.context().close();
    }
});

test('the page answers while a long search runs; asking again or any command stops it', async () => {
    const page = await openPage();
    await openRoom(page, LargeRoom);
    await page.keyboard.press('F1');
    const english = JSON.parse(fs.readFileSync(path.join(PageFolder, 'en.json'), 'utf8'));
    const stops = [
        { how: 'asking again', stop: () => page.click('#hintButton') },
        { how: 'a key', stop: () => page.keyboard.press('ArrowUp') },
        { how: 'Ctrl+H', stop: () => page.keyboard.press('Control+h') },
    ];
    for (const s of stops) {
        await page.click('#hintButton');
        assert.strictEqual(await hintLine(page), 'ヒントを探しています…', s.how);
        // Another language while the search runs: the page answers, and the search goes on.
        await page.selectOption('#language', 'en');
        assert.strictEqual(await page.textContent('#undoButton'), 'Undo');
        assert.strictEqual(await hintLine(page), english['hint']['ヒントを探しています…'], s.how);
        assert.ok(await searching(page), s.how);
        await page.selectOption('#language', 'ja');
        await s.stop();
        assert.strictEqual(await hintLine(page), '', s.how);
        // Its worker is ended: nothing it found can come back.
        assert.deepStrictEqual([await searching(page), await hintWorker(page)], [false, false], s.how);
    }
    // Searched to the end, the room has no clear: the desktop's message, in the game's own window.
    await page.click('#hintButton');
    await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
    assert.strictEqual(await page.textContent('#messageDialog .title'), 'Nerilo');
    assert.strictEqual(await page.textContent('#messageDialog .text'), 'ここからはクリアできません。元に戻すかリトライしてください。');
    assert.strictEqual(await hintLine(page), '');
    // A worker grown by so large a search gives its memory back.
    assert.ok(!(await hintWorker(page)));
    assert.deepStrictEqual(page.errors, []);
});

// A figure, reported and never asserted: expanded positions per second of the
// hint's own search in the page's worker, and of the native build on the same
// positions, run in turns, each the best of a few runs on a machine shared
// with others.
test('measures: the solver in the browser against native', async () => {
    const runs = 3;
    const rooms = [
        { name: 'stage27', file: path.join(Source, 'stage/stage27.txt') },
        { name: 'largeRoom', file: LargeRoom },
    ];
    const native = NativeSolve && fs.existsSync(NativeSolve);
    const page = await openPage();
    const figures = {};
    for (const room of rooms) {
        await openRoom(page, room.file);
        const best = { browser: 0, native: 0 };
        for (let i = 0; i < runs; ++i) {
            await page.keyboard.press('F1');
            // A room without a clear tells so in a window, which may open after the last check.
            while (await page.isVisible('#messageDialog[open]')) await page.click('#messageDialog button');
            await page.click('#hintButton');
            await waitForAnswer(page);
            const answer = await page.evaluate(() => jobs.lastAnswer(JobKinds.hint));
            best.browser = Math.max(best.browser, answer.expanded / answer.seconds);
            if (await page.isVisible('#messageDialog[open]')) await page.click('#messageDialog button');
            await page.keyboard.press('F2');
            if (!native) continue;
            // It exits with 1 when there is no clear, its report still written.
            const report = spawnSync(NativeSolve, ['--json', '--max-states', '4000000', room.file], { encoding: 'utf8' });
            best.native = Math.max(best.native, JSON.parse(report.stdout).states_per_second);
        }
        figures[`${room.name}BrowserStatesPerSecond`] = Math.round(best.browser);
        if (native) {
            figures[`${room.name}NativeStatesPerSecond`] = Math.round(best.native);
            figures[`${room.name}BrowserToNative`] = Number((best.browser / best.native).toFixed(2));
        }
    }
    writeMeasures(figures);
});

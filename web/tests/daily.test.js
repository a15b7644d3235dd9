// 今日のステージ in the page, in Debian's headless Chromium: the date's stage,
// generated in the page's worker, is byte for byte the stage nerilo-generate
// writes for that seed; it is kept in the browser's storage and opens at once
// the second time, waiting for Start. The date is the page's clock, fixed
// here to a day whose stage is found in a fraction of a second.
//   NERILO_PAGE=build-web/page NERILO_DESKTOP=build/nerilo node --test web/tests/daily.test.js
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const { Patience, usePage } = require('./browser.js');

// nerilo-generate, beside the desktop game.
const Generator = process.env.NERILO_GENERATE ||
    (process.env.NERILO_DESKTOP && path.join(path.dirname(process.env.NERILO_DESKTOP), 'nerilo-generate'));
const Day = new Date('2026-01-02T21:30:00Z');
const Seed = '20260102';
const StoredKey = `nerilo/${Seed}.txt`;

const session = usePage();

// The page's state as the player sees it: the board, the stage's title, the round button.
const shown = (page) => page.evaluate(() => ({
    board: Array.from(page.game.board()),
    title: document.getElementById('stageTitle').textContent,
    round: document.getElementById('roundButton').textContent,
}));

function generated(seed) {
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'nerilo-daily-')), 'stage.txt');
    const run = spawnSync(Generator, ['--seed', seed, file], { encoding: 'utf8' });
    assert.strictEqual(run.status, 0, run.stderr);
    const bytes = fs.readFileSync(file);
    fs.rmSync(path.dirname(file), { recursive: true });
    return bytes;
}

test('the stage of the day is the generator\'s, kept, and opened at once the second time', {
    skip: !(Generator && fs.existsSync(Generator)) && 'no nerilo-generate beside NERILO_DESKTOP',
}, async () => {
    const context = await session.newContext();
    await context.clock.setFixedTime(Day);
    const first = await session.openPage({ browserContext: context });
    const before = await shown(first);
    // The page has no button of its own for it: the control comes from the session's command table.
    await first.click('[data-command=dailyStage]');
    await first.waitForFunction((key) => localStorage.getItem(key) !== null && !jobs.running(JobKinds.generate),
                                StoredKey, { timeout: Patience });
    const stored = await first.evaluate((key) => localStorage.getItem(key), StoredKey);
    assert.deepStrictEqual(Buffer.from(stored, 'base64'), generated(Seed), 'the same bytes as the desktop\'s generator');
    const opened = await shown(first);
    assert.notDeepStrictEqual(opened.board, before.board);
    assert.strictEqual(opened.title, `${Seed}.txt`);
    assert.strictEqual(opened.round, before.round, 'waiting for Start, as a stage just opened');

    // Another tab of the same browser: the kept stage, with no generation.
    const second = await session.openPage({ browserContext: context });
    await second.click('[data-command=dailyStage]');
    assert.strictEqual(await second.evaluate(() => jobs.running(JobKinds.generate)), false);
    assert.deepStrictEqual(await shown(second), opened);
    assert.deepStrictEqual([...first.errors, ...second.errors], []);
    await context.close();
});

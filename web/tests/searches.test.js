// The session's background searches in the page, run by its workers as the
// desktop runs them in threads: the dead-end warning after a press into a
// dead end, and the stage list's shortest clears.
//   NERILO_PAGE=build-web/page node --test web/tests
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { Patience, usePage, play } = require('./browser.js');

const session = usePage();
const Warning = '詰み：ここからはクリアできません。Backspace で戻せます';
const deadEndLine = (page) => page.evaluate(() => document.getElementById('deadEndLine').textContent.replace(/\u200b/g, ''));
const waitForVerdict = (page) => page.waitForFunction(() => !jobs.running(JobKinds.deadEnd), null, { timeout: Patience });

// Stage 2's trap: the ball pushed into the corner after DD RRR. Off until
// chosen, and kept over a reload as the desktop keeps it. Chosen before the
// presses, the verdicts go through the worker with the clear the one before
// found.
test('the page warns of a dead end once chosen, and the warning goes with the press that leaves it', async () => {
    const page = await session.openPage();
    await page.evaluate(() => page.game.openNumberedStage(2));
    await page.keyboard.press('F1');
    await play(page, 'DDRRR');
    assert.strictEqual(await deadEndLine(page), '', 'off by default');
    await page.click('#deadEndWarning');
    await page.waitForFunction((w) => document.getElementById('deadEndLine').textContent.replace(/\u200b/g, '') === w,
                               Warning, { timeout: Patience });
    await page.keyboard.press('Backspace');
    await waitForVerdict(page);
    await page.keyboard.press('F2');
    await waitForVerdict(page);
    await play(page, 'DDRRR');
    await page.waitForFunction((w) => document.getElementById('deadEndLine').textContent.replace(/\u200b/g, '') === w,
                               Warning, { timeout: Patience });
    await page.keyboard.press('Backspace');
    await waitForVerdict(page);
    assert.strictEqual(await deadEndLine(page), '', 'undone');
    await page.reload();
    await page.waitForSelector('body[data-ready]', { timeout: Patience });
    assert.ok(await page.isChecked('#deadEndWarning'), 'kept');
    assert.deepStrictEqual(page.errors, []);
});

test('the stage list shows the shortest clear of each stage as the searches find them', async () => {
    const page = await session.openPage();
    await page.click('#stageListButton');
    const first = () => page.textContent('#stageListDialog .tiles li:first-child .records');
    assert.match(await first(), /最短 …$/, 'searching');
    // Stage 1's shortest clear, as the hint's first answer counts it.
    await page.waitForFunction(
        () => / 8$/.test(document.querySelector('#stageListDialog .tiles li:first-child .records').textContent), null,
        { timeout: Patience });
    assert.deepStrictEqual(page.errors, []);
});

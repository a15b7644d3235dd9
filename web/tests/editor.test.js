// The page's editor, used with the pointer as a player uses it: a painted
// stage reaches a fresh page as a link and plays there; a stroke is one undo
// step; unsaved edits are asked about before they could be lost; Save hands
// over the file the engine wrote.
//   NERILO_PAGE=build-web/page node --test web/tests/editor.test.js
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const { Patience, usePage, play } = require('./browser.js');

const session = usePage();
const openPage = (url) => session.openPage({ url, context: { permissions: ['clipboard-read', 'clipboard-write'] } });

const Wall = 1, Stairs = 15, Player = 7;  // ground, ground, block

// The ground code of every cell: the board's first 225 pictures, four numbers each.
const groundCodes = (page) => page.evaluate(() => Array.from(page.game.board().slice(0, 900)).filter((_, i) => i % 4 === 1));

// One press of the pointer, dragged over the middles of the cells in turn, then released.
async function stroke(page, cells, button = 'left') {
    const box = await page.locator('#board').boundingBox();
    for (const [i, cell] of cells.entries()) {
        await page.mouse.move(box.x + ((cell % 15) + 0.5) * (box.width / 15), box.y + (Math.floor(cell / 15) + 0.5) * (box.height / 15));
        if (i === 0) await page.mouse.down({ button });
    }
    await page.mouse.up({ button });
}

const waitForTitle = (page, title) => page.waitForFunction((t) => document.getElementById('stageTitle').textContent === t,
                                                           title, { timeout: Patience });

// The session's question in the page's dialog, answered by the button of that caption.
async function answer(page, caption) {
    await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
    await page.click(`#messageDialog .answers button:text-is("${caption}")`);
    await page.waitForSelector('#messageDialog:not([open])', { state: 'attached', timeout: Patience });
}

async function newStage(page) {
    await page.click('#editMode');
    await page.click('#newStageButton');
    await answer(page, 'OK');
}

// A player beside stairs: Right and Z clear it.
async function paintSmallStage(page) {
    await page.click(`#groundPalette button:nth-child(${Stairs + 1})`);
    await stroke(page, [113]);
    await page.click(`#blockPalette button:nth-child(${Player + 1})`);
    await stroke(page, [112]);
}

async function clears(page) {
    await page.keyboard.press('F1');
    await play(page, 'RZ');
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
}

test('a stage painted in the editor is shared as a link, and a fresh page opens it and plays it', async () => {
    const page = await openPage();
    await newStage(page);
    await paintSmallStage(page);
    // The live analysis finds the two presses; its line plays them in test play, and the clear leads back to the editor.
    const painted = await groundCodes(page);
    const shortest = page.locator('#analysisLines .solution');
    await shortest.waitFor({ timeout: Patience });
    assert.strictEqual(await shortest.textContent(), '最短 2 手');
    await shortest.click();
    await page.click('#clearDialog[open] button', { timeout: Patience });
    await page.waitForFunction(() => page.view.editor.palettesEnabled, null, { timeout: Patience });
    assert.deepStrictEqual(await groundCodes(page), painted);
    await page.click('#shareEditedButton');
    await page.waitForFunction(() => document.getElementById('shareNote').textContent !== '', null, { timeout: Patience });
    const link = await page.evaluate(() => navigator.clipboard.readText());
    assert.ok(link.startsWith(`${session.address}#`), link);
    assert.deepStrictEqual(page.errors, []);
    await page.context().close();

    const fresh = await openPage(link);
    // The share found a shortest clear in the worker: the link carries it as proof.
    assert.strictEqual(await fresh.textContent('#stageTitle'), 'クリア確認済み');
    await clears(fresh);
    assert.deepStrictEqual(fresh.errors, []);
    await fresh.context().close();
});

test('a stroke paints every cell it crosses as one undo step, the right button picks a brush, and the keys paint too', async () => {
    const page = await openPage();
    await newStage(page);
    const empty = await groundCodes(page);
    const walled = empty.map((code, cell) => (cell < 5 ? Wall : code));
    await page.click(`#groundPalette button:nth-child(${Wall + 1})`);
    await stroke(page, [0, 1, 2, 3, 4]);
    assert.deepStrictEqual(await groundCodes(page), walled);
    await page.keyboard.press('Control+Z');
    assert.deepStrictEqual(await groundCodes(page), empty);
    await page.click('#redoEditButton');
    assert.deepStrictEqual(await groundCodes(page), walled);
    // Stairs chosen, then the wall picked from cell 0 paints cell 20 with a wall.
    await page.click(`#groundPalette button:nth-child(${Stairs + 1})`);
    await stroke(page, [0], 'right');
    assert.match(await page.getAttribute('#groundBrush', 'src'), /ground01\.png$/);
    await stroke(page, [20]);
    assert.strictEqual((await groundCodes(page))[20], Wall);
    // By keys on the focused board: from the middle cell (112) two right, then Enter paints.
    for (const key of ['ArrowRight', 'ArrowRight', 'Enter']) await page.keyboard.press(key);
    assert.strictEqual((await groundCodes(page))[114], Wall);
    assert.deepStrictEqual(page.errors, []);
});

test('unsaved edits are asked about before leaving the editor, following a link, opening a stage or the page', async () => {
    const cases = [
        { what: 'leaving the editor', leave: (page) => page.click('#editMode'), asked: /^エディトモードを終了します。\n保存しますか？$/ },
        { what: 'following a link', leave: (page) => page.evaluate(() => (location.hash = '5')), asked: /^保存していない変更があります。/ },
        { what: 'opening a stage', leave: (page) => page.click('#openInEditorButton'), asked: /^保存していない変更があります。/ },
    ];
    const page = await openPage();
    await newStage(page);
    await paintSmallStage(page);
    const painted = await groundCodes(page);
    for (const c of cases) {
        await c.leave(page);
        await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
        assert.match(await page.textContent('#messageDialog .text'), c.asked, c.what);
        await answer(page, 'キャンセル');
        assert.deepStrictEqual(await groundCodes(page), painted, c.what);
        assert.ok(await page.isChecked('#editMode'), c.what);
    }
    // Closing or reloading the page: the browser's own question, answered by staying.
    const asked = new Promise((resolve) => {
        page.once('dialog', (dialog) => (resolve(dialog.type()), dialog.dismiss()));
        page.once('close', () => resolve('closed without asking'));
    });
    await page.close({ runBeforeUnload: true });
    assert.strictEqual(await asked, 'beforeunload');
    // The link kept from, the address forgets it; followed after OK, it leads back to the player's own stage.
    assert.strictEqual(await page.evaluate(() => location.hash), '');
    await page.evaluate(() => (location.hash = '5'));
    await answer(page, 'OK');
    await waitForTitle(page, 'stage5.txt');
    assert.ok(await page.isVisible('#ownStageButton'));
    assert.deepStrictEqual(page.errors, []);
    await page.context().close();
});

test('Save downloads the file the engine wrote, Shift_JIS with CR LF', async () => {
    const page = await openPage();
    await newStage(page);
    await paintSmallStage(page);
    await page.click('#editCommentButton');
    await page.fill('#messageDialog[open] textarea.typed', 'はしごの前', { timeout: Patience });
    await answer(page, 'OK');
    const downloading = page.waitForEvent('download', { timeout: Patience });
    await page.click('#saveStageButton');
    await page.fill('#messageDialog[open] input.typed', 'mine', { timeout: Patience });
    await answer(page, 'OK');
    const download = await downloading;
    assert.strictEqual(download.suggestedFilename(), 'mine.txt');
    const bytes = fs.readFileSync(await download.path());
    const written = await page.evaluate(() => Array.from(page.engine.FS.readFile('/saved/mine.txt')));
    assert.deepStrictEqual([...bytes], written);
    assert.ok(bytes.includes(Buffer.from([0x82, 0xcd, 0x82, 0xb5, 0x82, 0xb2])), 'はしご in Shift_JIS');
    assert.deepStrictEqual([...bytes].filter((byte, i) => byte === 0x0a && bytes[i - 1] !== 0x0d), [], 'CR LF only');
    assert.strictEqual(await page.textContent('#stageTitle'), 'mine.txt');
    assert.deepStrictEqual(page.errors, []);
    await page.context().close();
});

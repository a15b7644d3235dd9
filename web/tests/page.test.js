// The page in Debian's headless Chromium, served from localhost: played by its
// keys, its storage, its language, its file chooser, and its board against the
// desktop's own screenshot pixel for pixel.
//   NERILO_PAGE=build-web/page NERILO_DESKTOP=build/nerilo node --test web/tests
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const zlib = require('zlib');
const { Source, PageFolder, Patience, usePage, solution, play, writeMeasures } = require('./browser.js');

const Desktop = process.env.NERILO_DESKTOP;

const session = usePage();
const openPage = (options) => session.openPage(options);

const game = (page, call) => page.evaluate(call);
const panelText = (page, id) => page.textContent(`#${id}`);

test('stage 1 played by its keys clears, and the next stage follows', async () => {
    const page = await openPage();
    assert.strictEqual(await panelText(page, 'stageTitle'), 'stage1.txt');
    await page.keyboard.press('F1');
    assert.strictEqual(await panelText(page, 'status'), 'プレイ中');
    await play(page, solution(1));
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
    assert.strictEqual(await page.textContent('#clearDialog .letters'), 'CLEAR');
    // The desktop's effects, by name, ending with the clear; each file is served.
    const played = await page.evaluate(() => page.soundsPlayed);
    assert.deepStrictEqual([...new Set(played)], ['step', 'clear']);
    for (const name of ['step', 'clear'])
        assert.strictEqual((await page.request.get(`${session.address}sounds/${name}.wav`)).status(), 200);
    await page.click('#clearDialog button');
    await page.waitForFunction(() => document.getElementById('stageTitle').textContent === 'stage2.txt',
                               null, { timeout: Patience });
    // Cleared without step-try mode: the progress file's first record is 1.
    const progress = await page.evaluate(() => atob(localStorage.getItem('nerilo/data.nrl')));
    assert.match(progress, /^1,0,0/);
    assert.deepStrictEqual(page.errors, []);
});

test('undo takes back the last press and only that', async () => {
    const page = await openPage();
    await page.keyboard.press('F1');
    const [first, second] = solution(1);
    await play(page, first);
    const before = await game(page, () => Array.from(page.game.board()));
    await play(page, second);
    await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
    assert.notDeepStrictEqual(await game(page, () => Array.from(page.game.board())), before);
    await page.keyboard.press('Backspace');
    assert.deepStrictEqual(await game(page, () => Array.from(page.game.board())), before);
    await page.click('#redoButton');
    assert.notDeepStrictEqual(await game(page, () => Array.from(page.game.board())), before);
});

test('English is chosen by the player, kept with the progress over a reload, never taken from the browser', async () => {
    const page = await openPage({ context: { locale: 'en-US' } });
    // An English browser still starts in Japanese.
    assert.strictEqual(await panelText(page, 'status'), 'F1 で開始');
    await page.keyboard.press('F1');
    await play(page, solution(1));
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
    await page.click('#clearDialog button');
    await page.selectOption('#language', 'en');
    const english = JSON.parse(fs.readFileSync(path.join(PageFolder, 'en.json'), 'utf8'));
    assert.strictEqual(await panelText(page, 'roundButton'), english.panel['再挑戦']);
    assert.strictEqual(await panelText(page, 'undoButton'), 'Undo');
    await page.reload();
    await page.waitForSelector('body[data-ready]', { timeout: Patience });
    assert.strictEqual(await panelText(page, 'stageTitle'), 'stage2.txt');
    assert.strictEqual(await panelText(page, 'roundButton'), english.panel['開始']);
});

test('a stage file opens from the file chooser in Shift_JIS; a damaged one is refused with a message', async () => {
    const page = await openPage();
    const cases = [
        { file: path.join(Source, 'stage/stage5.txt'), name: 'stage5.txt', opened: true },
        { file: null, name: 'broken.txt', opened: false },
    ];
    for (const c of cases) {
        const buffer = c.file ? fs.readFileSync(c.file) : Buffer.from([0x81, 0x20, 0x0d, 0x0a]);
        const chooser = page.waitForEvent('filechooser');
        await page.click('#openButton');
        await (await chooser).setFiles({ name: c.name, mimeType: 'text/plain', buffer });
        if (c.opened) {
            await page.waitForFunction((name) => document.getElementById('stageTitle').textContent === name,
                                       c.name, { timeout: Patience });
        } else {
            await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
            assert.strictEqual(await page.textContent('#messageDialog .title'), 'Nerilo');
            assert.match(await page.textContent('#messageDialog .text'), /broken\.txt/);
            await page.click('#messageDialog button');
            assert.strictEqual(await panelText(page, 'stageTitle'), 'stage5.txt');
        }
    }
});

// The session waits for the page's dialog: the clear window until it is
// closed (by Enter: the keys go to the dialog, not the board), the file
// chooser of ステージ選択 until a file is chosen or the choice is cancelled.
test('the session waits for the answer to its question, and each answer changes the game its way', async () => {
    const page = await openPage();
    await page.keyboard.press('F1');
    await play(page, solution(1));
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
    assert.strictEqual(await game(page, () => JSON.parse(page.game.question()).kind), 'stageClear');
    assert.strictEqual(await panelText(page, 'stageTitle'), 'stage1.txt', 'the stage changes once the window closes');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('stageTitle').textContent === 'stage2.txt',
                               null, { timeout: Patience });
    const stage5 = { name: 'stage5.txt', mimeType: 'text/plain', buffer: fs.readFileSync(path.join(Source, 'stage/stage5.txt')) };
    const cases = [
        { what: 'cancelled', files: [], title: 'stage2.txt' },
        { what: 'a file chosen', files: [stage5], title: 'stage5.txt' },
    ];
    for (const c of cases) {
        const chooser = page.waitForEvent('filechooser');
        await page.keyboard.press('F3');
        await (await chooser).setFiles(c.files);
        await page.waitForFunction(() => page.game.question() === null, null, { timeout: Patience });
        assert.strictEqual(await panelText(page, 'stageTitle'), c.title, c.what);
    }
    // A notice (the stage's comment) waits for its one button, in the page's language.
    await page.click('#commentButton');
    await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
    assert.deepStrictEqual(await page.$$eval('#messageDialog .answers button', (all) => all.map((b) => b.textContent)),
                           ['OK']);
    await page.keyboard.press('Enter');
    assert.strictEqual(await page.$('#messageDialog[open]'), null);
    // A dialog's close event, which answers, comes in a task of its own.
    await page.waitForFunction(() => page.game.question() === null, null, { timeout: Patience });
    assert.deepStrictEqual(page.errors, []);
});

test('the board at 1× is pixel for pixel the desktop screenshot of the same position', async (t) => {
    if (!Desktop) return t.skip('NERILO_DESKTOP names no desktop game');
    const keys = solution(1).slice(0, 3);
    const shot = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'nerilo-shot-')), 'desktop.png');
    execFileSync(Desktop, ['--screenshot', shot, path.join(Source, 'stage/stage1.txt'), '--keys', keys],
                 { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', HOME: path.dirname(shot) } });
    const page = await openPage();
    await page.keyboard.press('F1');
    await play(page, keys);
    await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
    const board = await page.locator('#board').screenshot();
    const difference = await page.evaluate(async ([desktop, web]) => {
        const pixels = async (base64, side) => {
            const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
            const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
                                                  { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
            const canvas = new OffscreenCanvas(side, side);
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            return { width: image.width, data: context.getImageData(0, 0, side, side).data };
        };
        // The desktop's screenshot is its whole window: the board stands at its
        // left edge under the menu bar, whose height depends on the fonts.
        const a = await pixels(desktop, 480 + 100), b = await pixels(web, 480);
        let fewest = Infinity;
        for (let top = 0; top < 100 && fewest > 0; ++top) {
            let differing = 0;
            for (let y = 0; y < 480; ++y)
                for (let x = 0; x < 480; ++x) {
                    const i = (y * 480 + x) * 4, j = ((y + top) * 580 + x) * 4;
                    if (a.data[j] !== b.data[i] || a.data[j + 1] !== b.data[i + 1] || a.data[j + 2] !== b.data[i + 2]) ++differing;
                }
            fewest = Math.min(fewest, differing);
        }
        return { differing: fewest, webWidth: b.width };
    }, [fs.readFileSync(shot).toString('base64'), board.toString('base64')]);
    assert.strictEqual(difference.webWidth, 480);
    assert.strictEqual(difference.differing, 0);
});

// Figures, reported and never asserted: the page's size over the wire, also
// without the sounds (they come only when first played), and the time to the
// first drawn board.
test('measures', async () => {
    let raw = 0, gzipped = 0, sounds = 0;
    const walk = (folder) => {
        for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
            const file = path.join(folder, entry.name);
            if (entry.isDirectory()) walk(file);
            else {
                const bytes = fs.readFileSync(file);
                raw += bytes.length;
                const size = zlib.gzipSync(bytes, { level: 9 }).length;
                gzipped += size;
                if (entry.name.endsWith('.wav')) sounds += size;
            }
        }
    };
    walk(PageFolder);
    const page = await openPage();
    const firstBoard = Number(await page.evaluate(() => document.body.dataset.firstBoard));
    // The hints' and the offline tests add their own figures to the same file.
    writeMeasures({ pageBytes: raw, pageBytesGzip: gzipped, pageBytesGzipWithoutSounds: gzipped - sounds,
                    firstBoardMs: Math.round(firstBoard) });
});

// #5 is numbered stage 5's short link. While a linked stage is open the page
// offers the player's own next stage; leaving the linked stage either way
// takes the # off the address, so that a reload opens his own.
test('#5 opens numbered stage 5, and the page leads back to the player\'s own stage', async () => {
    const cases = [
        { leave: (page) => page.click('#ownStageButton'), title: 'stage1.txt' },
        {
            leave: async (page) => {
                await page.keyboard.press('F9');
                await page.click('#stageListDialog .tiles li:nth-child(3) button');
            },
            title: 'stage3.txt',
        },
    ];
    for (const c of cases) {
        const page = await openPage({ url: `${session.address}#5` });
        assert.strictEqual(await panelText(page, 'stageTitle'), 'stage5.txt');
        assert.ok(await page.isVisible('#ownStageButton'));
        await c.leave(page);
        await page.waitForFunction((title) => document.getElementById('stageTitle').textContent === title, c.title,
                                   { timeout: Patience });
        assert.strictEqual(await page.evaluate(() => location.hash), '');
        assert.ok(!(await page.isVisible('#ownStageButton')));
        await page.context().close();
    }
});

// The stage's comment stands beside the board until Start, in the page's
// language; the stage list's titles are the comments' own, translated.
test('the stage comment shows until Start, and the stage list\'s titles are in the page\'s language', async () => {
    const english = JSON.parse(fs.readFileSync(path.join(PageFolder, 'en.json'), 'utf8'))['stage comments'];
    const cases = [
        { language: 'ja', title: /^1 はじめの一歩$/, comment: (text) => text in english },
        { language: 'en', title: /^1 First Steps$/, comment: (text) => Object.values(english).includes(text) },
    ];
    for (const c of cases) {
        const page = await openPage();
        await page.selectOption('#language', c.language);
        assert.ok(c.comment(await panelText(page, 'stageComment')), c.language);
        await page.keyboard.press('F9');
        const titles = await page.$$eval('#stageListDialog .tiles b', (all) => all.map((b) => b.textContent));
        assert.strictEqual(titles.length, 30);
        assert.match(titles[0], c.title);
        if (c.language === 'en') assert.deepStrictEqual(titles.filter((t) => /[\u3000-\u9fff]/.test(t)), []);
        // Each tile shows its own board in small, and the arrows walk the grid as it stands.
        const previews = await page.$$eval('#stageListDialog .tiles canvas', (all) => all.map((c) => c.toDataURL()));
        assert.strictEqual(new Set(previews).size, 30, c.language);
        await page.focus('#stageListDialog .tiles li:nth-child(1) button');
        const focused = () => page.evaluate(() => {
            const tile = document.activeElement;
            return { title: tile.querySelector('b')?.textContent, left: tile.offsetLeft, top: tile.offsetTop };
        });
        await page.keyboard.press('ArrowRight');
        const second = await focused();
        assert.match(second.title, /^2 /);
        await page.keyboard.press('ArrowDown');
        const below = await focused();
        assert.ok(below.left === second.left && below.top > second.top, JSON.stringify(below));
        await page.keyboard.press('Escape');
        await page.keyboard.press('F1');
        assert.ok(!(await page.isVisible('#stageComment')), c.language);
        await page.context().close();
    }
});

// The sound settings as the desktop's menu has them, kept over a reload.
test('the effects are switched off or played at the volume chosen, and the choice is remembered', async () => {
    const cases = [
        { choose: (page) => page.uncheck('#soundOn'), played: null },
        { choose: (page) => page.check('input[name=volume][value="30"]'), played: 0.3 },
        { choose: (page) => page.check('input[name=volume][value="60"]'), played: 0.6 },
    ];
    for (const c of cases) {
        const page = await openPage();
        await c.choose(page);
        await page.reload();
        await page.waitForSelector('body[data-ready]', { timeout: Patience });
        await page.keyboard.press('F1');
        await play(page, solution(1).slice(0, 1));
        const { asked, volumes } = await page.evaluate(() => ({
            asked: page.soundsPlayed.length, volumes: Object.values(page.sounds).map((effect) => effect.volume) }));
        assert.ok(asked > 0);
        assert.deepStrictEqual([...new Set(volumes)], c.played === null ? [] : [c.played]);
        await page.context().close();
    }
});

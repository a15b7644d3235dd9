// The page as players meet it: on a phone held upright and sideways, with
// only a keyboard, and through a screen reader's tree (and axe-core's audit).
//   NERILO_PAGE=build-web/page node --test web/tests/devices.test.js
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { Devices, Patience, usePage, solution, play, seriousFaults: audit } = require('./browser.js');

const session = usePage();
const openPage = (device, options = {}) => session.openPage({ ...options, context: { ...Devices[device], ...options.context } });

const boardPixels = (page) => page.evaluate(() => Array.from(page.game.board()));
const cssWidth = (page, selector) => page.$eval(selector, (element) => element.getBoundingClientRect().width);
// Two frames: the window's resize has been handled and laid out.
const settle = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

// The panel names taps on a touch screen and the page's own keys on a keyboard.
test('the board takes the largest whole zoom that fits after every resize and rotation; the panel names taps or keys', async () => {
    const keyboard = { note: 'F1 で開始', tip: '歩数：歩数トライ（Ctrl+M）のときだけ数えます' };
    const touch = { note: '「開始」をタップ', tip: '歩数：歩数トライのときだけ数えます' };
    const cases = [
        { device: 'desktop', ...keyboard, sizes: [[1280, 800, 480], [1800, 1100, 960], [1280, 800, 480]] },
        // Three device pixels to a CSS pixel: 320 CSS pixels are two device pixels to an art pixel.
        { device: 'phone', ...touch, sizes: [[390, 844, 320], [844, 390, 320], [390, 844, 320], [390, 700, 320]] },
        { device: 'landscape', ...touch, sizes: [[844, 390, 320], [390, 844, 320]] },
    ];
    for (const c of cases) {
        const page = await openPage(c.device);
        assert.deepStrictEqual([await page.textContent('#status'), await page.textContent('#startNote'),
                                await page.getAttribute('#stepsLeft', 'title')], [c.note, c.note, c.tip], c.device);
        for (const [width, height, board] of c.sizes) {
            await page.setViewportSize({ width, height });
            await settle(page);
            const what = `${c.device} at ${width}×${height}`;
            assert.strictEqual(await cssWidth(page, '#board'), board, what);
            // The board and the touch keys are on screen together.
            for (const selector of ['#board', ...(c.device === 'desktop' ? [] : ['#touch'])]) {
                const box = await page.locator(selector).boundingBox();
                assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height,
                          `${what}: ${selector} at ${JSON.stringify(box)}`);
            }
        }
        await page.context().close();
    }
});

// Sideways the panel goes beside the board; upright it follows the board (the
// touch keys, Start among them, on screen either way: the zoom test checks
// it). Every control is a finger's size and within the screen's width.
test('on a phone every control is 44 × 44 at least, inside the screen, and the touch keys start, undo, redo and hint', async () => {
    for (const c of [{ device: 'phone', beside: false }, { device: 'landscape', beside: true }]) {
        const page = await openPage(c.device);
        const { width } = Devices[c.device].viewport;
        const controls = await page.$$eval('#game button, #game select, #game label', (all) => all
            .filter((element) => element.checkVisibility())
            .map((element) => ({ name: element.id || element.className || element.textContent,
                                 box: element.getBoundingClientRect().toJSON() })));
        assert.ok(controls.length > 20, c.device);
        for (const { name, box } of controls) {
            assert.ok(box.width >= 44 && box.height >= 44, `${c.device}: ${name} is ${box.width} × ${box.height}`);
            assert.ok(box.left >= 0 && box.right <= width, `${c.device}: ${name} from ${box.left} to ${box.right}`);
        }
        const board = await page.locator('#board').boundingBox(), panel = await page.locator('#panel').boundingBox();
        assert.strictEqual(panel.x >= board.x + board.width, c.beside, `${c.device}: the panel beside the board`);
        // The touch keys play: Start, a step, Undo takes it back, Redo again, Hint.
        await page.tap('#touchRound');
        assert.strictEqual(await page.textContent('#status'), 'プレイ中');
        const before = await boardPixels(page);
        await page.tap('#touch .right');
        await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
        const after = await boardPixels(page);
        assert.notDeepStrictEqual(after, before, `${c.device}: a tapped arrow walks`);
        await page.tap('#touch .undo');
        assert.deepStrictEqual(await boardPixels(page), before, `${c.device}: Undo`);
        await page.tap('#touch .redo');
        assert.deepStrictEqual(await boardPixels(page), after, `${c.device}: Redo`);
        await page.tap('#touch .hint');
        await page.waitForFunction(() => /→|←|↑|↓|Z/.test(document.getElementById('hintLine').textContent),
                                   null, { timeout: Patience });
        await page.context().close();
    }
});

test('the clear banner and its letters fit a phone', async () => {
    const page = await openPage('phone');
    await page.tap('#touchRound');
    await play(page, solution(1));
    await page.waitForSelector('#clearDialog[open]', { timeout: Patience });
    await page.waitForFunction(() => document.getAnimations().every((a) => a.playState === 'finished'), null,
                               { timeout: Patience });
    const { width } = Devices.phone.viewport;
    for (const selector of ['#clearDialog', '#clearDialog .banner', '#clearDialog .letters span:last-child']) {
        const box = await page.locator(selector).boundingBox();
        assert.ok(box.x >= 0 && box.x + box.width <= width, `${selector} from ${box.x} to ${box.x + box.width}`);
    }
    // The banner's picture whole, only smaller.
    const [shown, natural] = await page.$eval('#clearDialog .banner', (image) => [image.getBoundingClientRect().width / image.getBoundingClientRect().height,
                                                                                  image.naturalWidth / image.naturalHeight]);
    assert.ok(Math.abs(shown - natural) < 0.05);
});

test('with only a keyboard every control is reached by Tab and pressed by Enter or Space, and the game\'s keys act on the board alone', async () => {
    const page = await openPage('desktop');
    // Tab goes round every control the panel shows, and the board.
    const reached = new Set();
    for (let i = 0; i < 80; ++i) {
        await page.keyboard.press('Tab');
        reached.add(await page.evaluate(() => document.activeElement.id || document.activeElement.name));
    }
    const controls = await page.$$eval('#board, #panel button, #panel select, #panel input', (all) => all
        .filter((element) => element.checkVisibility() && !element.disabled && (element.type !== 'radio' || element.checked))
        .map((element) => element.id || element.name));
    assert.deepStrictEqual(controls.filter((id) => !reached.has(id)), []);

    const cases = [
        { focus: '#stepTry', key: 'Space', done: () => page.isChecked('#stepTry'), is: true },
        { focus: '#stepTry', key: 'Space', done: () => page.isChecked('#stepTry'), is: false },
        { focus: '#roundButton', key: 'Enter', done: () => page.textContent('#status'), is: 'プレイ中' },
        { focus: '#commentButton', key: 'Enter', done: () => page.isVisible('#messageDialog'), is: true },
        { focus: '#stageListButton', key: 'Space', done: () => page.isVisible('#stageListDialog'), is: true },
        { focus: '#hintButton', key: 'Enter', done: () => page.evaluate(() => JSON.parse(page.game.view()).searches.hintLine !== ''), is: true },
    ];
    for (const c of cases) {
        await page.focus(c.focus);
        await page.keyboard.press(c.key);
        assert.strictEqual(await c.done(), c.is, `${c.key} on ${c.focus}`);
        await page.keyboard.press('Escape');
        assert.strictEqual(await page.$('dialog[open]'), null);
    }
    // The arrows walk only with the board or the page focused (stage 1's first press walks).
    const step = { L: 'ArrowLeft', R: 'ArrowRight', U: 'ArrowUp', D: 'ArrowDown' }[solution(1)[0]];
    for (const [focus, walks] of [['#language', false], ['#commentButton', false], ['#board', true], ['body', true]]) {
        await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
        const before = await boardPixels(page);
        await page.evaluate(() => document.activeElement.blur());
        await page.focus(focus);
        await page.keyboard.press(step);
        await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
        assert.strictEqual(JSON.stringify(await boardPixels(page)) !== JSON.stringify(before), walks, focus);
        await page.keyboard.press('Backspace');
    }
    assert.strictEqual(await page.textContent('#stageTitle'), 'stage1.txt');
});

test('the browser keeps its own keys; step-try mode has Ctrl+M in the page', async () => {
    const page = await openPage('desktop');
    for (const key of ['F5', 'F11', 'F12', 'Ctrl+r', 'Ctrl+l', 'Ctrl+m']) {
        const taken = await page.evaluate((key) => !document.body.dispatchEvent(new KeyboardEvent('keydown', {
            key: key.replace('Ctrl+', ''), ctrlKey: key.startsWith('Ctrl+'), bubbles: true, cancelable: true })), key);
        assert.deepStrictEqual([taken, await page.isChecked('#stepTry')], Array(2).fill(key === 'Ctrl+m'), key);
    }
});

// The board's text alternative follows the game, in the page's language; the
// live region says the state, the note when a key comes before Start, and the hint.
test('a screen reader finds the board as an image described in words, and hears each change', async () => {
    const page = await openPage('desktop');
    const label = () => page.getAttribute('#board', 'aria-label');
    assert.strictEqual(await page.getAttribute('#board', 'role'), 'img');
    assert.match(await label(), /^stage1\.txt。プレイヤーは \d+ 列 \d+ 行、.+の上。左は.+、右は.+、上は.+、下は.+。鍵 0 個、歩数 \d+$/);
    // A key before Start: the note flashes and is said again, though it was said when the page opened.
    await page.$eval('#announce', (region) => (region.textContent = ''));
    await page.keyboard.press('ArrowRight');
    assert.ok(await page.$eval('#startNote', (note) => note.classList.contains('flash')), 'a key before Start');
    assert.strictEqual((await page.textContent('#announce')).trim(), 'F1 で開始');
    for (const [press, said] of [['F1', 'プレイ中'], ['Control+H', '手']]) {
        await page.keyboard.press(press);
        await page.waitForFunction((said) => new RegExp(said).test(document.getElementById('announce').textContent.trim()),
                                   said, { timeout: Patience });
    }
    const before = await label();
    await play(page, solution(1)[0]);
    await page.waitForFunction((was) => document.getElementById('board').ariaLabel !== was, before, { timeout: Patience });
    await page.selectOption('#language', 'en');
    assert.match(await label(), /^stage1\.txt\. The player is at column \d+, row \d+, on .+; left: .+\. Keys: 0, steps: \d+$/);
});

test('axe-core finds no serious or critical fault, in Japanese and in English, on a desktop and a phone, in play, the stage list and the editor', async () => {
    for (const device of ['desktop', 'phone']) {
        for (const language of ['ja', 'en']) {
            const page = await openPage(device);
            await page.selectOption('#language', language);
            assert.deepStrictEqual(await audit(page), [], `${device}, ${language}`);
            await page.click('#stageListButton');
            await page.waitForSelector('#stageListDialog[open]');
            assert.deepStrictEqual(await audit(page), [], `${device}, ${language}, the stage list`);
            await page.keyboard.press('Escape');
            await page.click('#editMode');
            await page.waitForSelector('#editor:not([hidden])', { timeout: Patience });
            assert.deepStrictEqual(await audit(page), [], `${device}, ${language}, the editor`);
            await page.context().close();
        }
    }
});

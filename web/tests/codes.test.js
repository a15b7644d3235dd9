// Stage codes in the page, in Debian's headless Chromium: a link's #CODE made
// by the desktop's nerilo-code opens the stage with its proof checked, a
// spoiled code is refused with the desktop reader's own words, and the share
// button's link opens the same stage in a fresh page and in nerilo-code.
//   NERILO_PAGE=build-web/page NERILO_DESKTOP=build/nerilo node --test web/tests
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const { Source, Patience, usePage, solution } = require('./browser.js');

// nerilo-code, beside the desktop game.
const CodeTool = process.env.NERILO_CODE ||
    (process.env.NERILO_DESKTOP && path.join(path.dirname(process.env.NERILO_DESKTOP), 'nerilo-code'));

const session = usePage();
// A fresh browser profile at `url`, allowed the clipboard.
const openPage = (url = session.address) =>
    session.openPage({ url, context: { permissions: ['clipboard-read', 'clipboard-write'] } });

const board = (page) => page.evaluate(() => Array.from(page.game.board()));
const stageTitle = (page) => page.textContent('#stageTitle');
const waitForTitle = (page, title) =>
    page.waitForFunction((t) => document.getElementById('stageTitle').textContent === t, title, { timeout: Patience });

// The board of a numbered stage just opened, waiting for Start.
async function numberedBoard(number) {
    const page = await openPage();
    await page.evaluate((n) => page.game.openNumberedStage(n), number);
    const items = await board(page);
    await page.context().close();
    return items;
}

// A code carrying a proof that does not clear, which nerilo-code will not
// write: the body of nerilo-code's code without a proof, inflated by the page,
// with the letters after it, where a code's proof stands.
async function codeWithProof(number, letters) {
    const plain = codeTool(['encode', stageFile(number)]).out;
    const page = await openPage();
    const code = await page.evaluate(async ([text, proof]) => {
        const request = page.game.stageCodeStreams(text);
        const inflated = await Promise.all(request.streams.map((bytes) => inflateExactly(bytes, request.maxBody)));
        const stage = inflated.find((one) => one.end === 'complete').body;
        return page.game.stageCodeOf(await deflateRaw(new Uint8Array([...stage, ...new TextEncoder().encode(proof)])));
    }, [plain, letters]);
    await page.context().close();
    return code;
}

function codeTool(args) {
    const run = spawnSync(CodeTool, args, { encoding: 'utf8' });
    return { status: run.status, out: run.stdout.trim(), error: run.stderr.trim() };
}

const stageFile = (number) => path.join(Source, `stage/stage${number}.txt`);
const noCodeTool = () => !(CodeTool && fs.existsSync(CodeTool)) && 'no nerilo-code beside NERILO_DESKTOP';

test('a code from nerilo-code opens from the link, on load and on a changed #, proven when its proof clears',
     { skip: noCodeTool() }, async () => {
    const cases = [
        { number: 8, proof: true, via: 'load', title: 'クリア確認済み' },
        { number: 8, proof: false, via: 'load', title: 'コード' },
        { number: 14, proof: true, via: 'hashchange', title: 'クリア確認済み' },
        { number: 8, proof: 'RRRR', via: 'load', title: 'コード', says: 'このコードに付いている解ではクリアできません' },
    ];
    for (const c of cases) {
        const code = typeof c.proof === 'string' ? await codeWithProof(c.number, c.proof)
            : codeTool(['encode', ...(c.proof ? ['--proof', solution(c.number)] : []), stageFile(c.number)]).out;
        let page;
        if (c.via === 'load') {
            page = await openPage(`${session.address}#${code}`);
        } else {
            page = await openPage();
            await page.evaluate((text) => (location.hash = text), code);
        }
        await waitForTitle(page, c.title);
        if (c.says) {
            // The stage opens, and a box says the proof did not clear it.
            await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
            assert.match(await page.textContent('#messageDialog .text'), new RegExp(c.says));
            await page.click('#messageDialog button');
        }
        assert.strictEqual(await page.textContent('#status'), 'F1 で開始', `stage ${c.number}: ready to start`);
        assert.deepStrictEqual(await board(page), await numberedBoard(c.number), `stage ${c.number} ${c.via}`);
        assert.strictEqual(await page.$('#messageDialog[open]'), null);
        assert.deepStrictEqual(page.errors, []);
        await page.context().close();
    }
});

test('a spoiled code is refused in the game\'s window with the desktop reader\'s words, and the stage stays',
     { skip: noCodeTool() }, async () => {
    const code = codeTool(['encode', '--proof', solution(12), stageFile(12)]).out;
    const changed = (at) => code.slice(0, at) + (code[at] === 'A' ? 'B' : 'A') + code.slice(at + 1);
    // The last letter of a short last group has spare low bits: flipping one
    // decodes to the same bytes, and only the writer's very text is taken.
    const Letters = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_';
    assert.notStrictEqual((code.length - 'N1.'.length) % 4, 0, 'the code ends in a short group');
    const spareBit = code.slice(0, -1) + Letters[Letters.indexOf(code.at(-1)) ^ 1];
    const cases = [
        { what: 'a letter changed', text: changed(Math.floor(code.length / 2)), says: 'チェックサムが合いません' },
        { what: 'a spare bit changed', text: spareBit, says: 'チェックサムが合いません' },
        { what: 'cut by one letter', text: code.slice(0, -1), says: '途中で切れています' },
        { what: 'cut by three letters', text: code.slice(0, -3), says: '途中で切れています' },
        { what: 'cut by eight letters', text: code.slice(0, -8), says: '途中で切れています' },
        { what: 'cut in half', text: code.slice(0, code.length / 2), says: '途中で切れています' },
        { what: 'a later version', text: 'N2' + code.slice(2), says: '版「2」は読めません' },
    ];
    const page = await openPage();
    const before = await board(page);
    for (const c of cases) {
        // The page speaks Japanese: so does the desktop's reader, asked to.
        const desktop = codeTool(['--lang', 'ja', 'decode', c.text, path.join(os.tmpdir(), 'nerilo-refused.txt')]);
        assert.strictEqual(desktop.status, 2, c.what);
        await page.evaluate((text) => (location.hash = text), c.text);
        await page.waitForSelector('#messageDialog[open]', { timeout: Patience });
        assert.strictEqual(await page.textContent('#messageDialog .title'), 'Nerilo', c.what);
        const said = await page.textContent('#messageDialog .text');
        assert.ok(said.includes(c.says), `${c.what}: ${said}`);
        assert.strictEqual(said, `コードからステージを開けません。\n${desktop.error.replace(/^nerilo-code: /, '')}`, c.what);
        await page.click('#messageDialog button');
        assert.strictEqual(await stageTitle(page), 'stage1.txt', c.what);
        assert.deepStrictEqual(await board(page), before, c.what);
    }
    assert.deepStrictEqual(page.errors, []);
});

test('the share button copies a link that opens the same stage in a fresh page and in nerilo-code', async () => {
    const cases = [
        // The page searches a shortest clear in its worker and adds it as the proof.
        { what: 'a numbered stage', number: 5, title: 'クリア確認済み' },
        { what: 'a proven code\'s stage', number: 8, proof: true, title: 'クリア確認済み' },
    ];
    for (const c of cases) {
        if (c.proof && noCodeTool()) continue;
        const page = await openPage();
        if (c.proof) {
            const code = codeTool(['encode', '--proof', solution(c.number), stageFile(c.number)]).out;
            await page.evaluate((text) => (location.hash = text), code);
            await waitForTitle(page, c.title);
        } else {
            await page.evaluate((n) => page.game.openNumberedStage(n), c.number);
        }
        await page.click('#shareButton');
        await page.waitForFunction(() => document.getElementById('shareNote').textContent !== '', null,
                                   { timeout: Patience });
        assert.strictEqual(await page.textContent('#shareNote'), 'ステージへのリンクをコピーしました。');
        const link = await page.evaluate(() => navigator.clipboard.readText());
        assert.ok(link.startsWith(`${session.address}#N1.`), link);
        assert.deepStrictEqual(page.errors, []);
        await page.context().close();

        const fresh = await openPage(link);
        await waitForTitle(fresh, c.title);
        assert.deepStrictEqual(await board(fresh), await numberedBoard(c.number), c.what);
        await fresh.context().close();

        if (noCodeTool()) continue;
        // The page's own deflate makes a code that the desktop's reader reads as the same stage file.
        const out = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'nerilo-shared-')), 'shared.txt');
        const decoded = codeTool(['decode', link.split('#')[1], out]);
        assert.strictEqual(decoded.status, 0, decoded.error);
        assert.deepStrictEqual(fs.readFileSync(out), fs.readFileSync(stageFile(c.number)), c.what);
        assert.ok(decoded.out.startsWith('proven:'), c.what);
    }
});

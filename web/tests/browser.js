// What the page's tests share: the page served from localhost, Debian's
// headless Chromium, a fresh profile per page, and playing by key letters.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { serve } = require('../tools/serve.js');

const Source = path.resolve(__dirname, '../..');
const PageFolder = process.env.NERILO_PAGE;
// A viewport where the board fits at 1×: each art pixel is one pixel.
const Viewport = { width: 900, height: 700 };
// The sizes a player meets: a desktop window, and a phone (touch, three device
// pixels to a CSS pixel) held upright and sideways.
const Devices = {
    desktop: { viewport: { width: 1280, height: 800 } },
    phone: { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    landscape: { viewport: { width: 844, height: 390 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
};
// Bounded waits on real conditions; a slow machine waits longer, never fails on speed.
const Patience = 120000;

// Serves the page and starts the browser before the file's tests, and ends
// both after them. The returned object's address and browser are set once
// the tests run.
function usePage() {
    const session = { address: null, browser: null };
    let server;
    test.before(async () => {
        assert.ok(PageFolder && fs.existsSync(path.join(PageFolder, 'index.html')), 'NERILO_PAGE names the built page');
        server = session.server = await serve(PageFolder);
        session.address = `http://127.0.0.1:${server.address().port}/`;
        // Headless, and in a fresh profile of playwright's own making, removed on close.
        session.browser = await chromium.launch({
            executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
            headless: true,
            args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
                   '--disable-sync', '--no-first-run'],
        });
    });
    test.after(async () => {
        await session.browser?.close();
        server?.close();
    });
    // A browser profile of its own (its own storage), as openPage makes.
    session.newContext = (context = {}) =>
        session.browser.newContext({ viewport: Viewport, deviceScaleFactor: 1, ...context });
    // A fresh browser profile (its own storage) at `url`, the page ready;
    // `context` adds to the browser context's options; a tab of `browserContext`
    // shares that one's storage with its other tabs.
    session.openPage = async ({ url = session.address, context = {}, browserContext } = {}) => {
        const page = await (browserContext ?? await session.newContext(context)).newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(error.message));
        // File choosers are caught from the start: Playwright turns catching
        // them on only when a listener appears, and a chooser the page opens
        // before that is cancelled by the headless browser at once.
        page.on('filechooser', () => {});
        await page.goto(url);
        await page.waitForSelector('body[data-ready]', { timeout: Patience });
        page.errors = errors;
        return page;
    };
    return session;
}

// The shipped solution of a numbered stage (tests/data/solutions.txt), as key letters.
function solution(number) {
    for (const line of fs.readFileSync(path.join(Source, 'tests/data/solutions.txt'), 'utf8').split('\n')) {
        const [first, ...keys] = line.trim().split(/\s+/);
        if (first === String(number)) return keys.join('');
    }
    throw new Error(`no solution of stage ${number}`);
}

// Presses each key letter when the game is at rest, as a player waits for the walk to end.
const KeyOfLetter = {
    L: 'ArrowLeft', R: 'ArrowRight', U: 'ArrowUp', D: 'ArrowDown', Z: 'z',
    l: 'Shift+ArrowLeft', r: 'Shift+ArrowRight', u: 'Shift+ArrowUp', d: 'Shift+ArrowDown',
};
async function play(page, letters) {
    for (const letter of letters) {
        await page.waitForFunction(() => page.game.atRest(), null, { timeout: Patience });
        await page.keyboard.press(KeyOfLetter[letter]);
    }
    // A clear's window stops the wait too: the session waits for its answer.
    await page.waitForFunction(() => page.game.atRest() || !page.game.ticking() || document.querySelector('dialog[open]'),
                               null, { timeout: Patience });
}

// Adds figures to the measures file the test command names (NERILO_MEASURES), if any.
function writeMeasures(figures) {
    console.log(`measures: ${JSON.stringify(figures)}`);
    const file = process.env.NERILO_MEASURES;
    if (!file) return;
    const kept = fs.existsSync(file) ? JSON.parse(fs.readFileSync(file, 'utf8')) : {};
    fs.writeFileSync(file, JSON.stringify({ ...kept, ...figures }, null, 2) + '\n');
}

// axe-core's serious and critical faults on the page as it stands, each with the elements at fault.
const axeSource = fs.readFileSync(require.resolve('axe-core'), 'utf8');
async function seriousFaults(page) {
    await page.addScriptTag({ content: axeSource });
    const results = await page.evaluate(() => axe.run(document));
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

module.exports = { Source, PageFolder, Viewport, Devices, Patience, usePage, solution, play, writeMeasures, seriousFaults };

// The page's front end: it owns the clock, draws what the engine's view says,
// turns keys, touches and buttons into the engine's commands, shows the
// engine's windows as dialogs, and keeps data.nrl and records.json in the
// browser's storage (storage.js).
'use strict';

const ProgramFolder = '/nerilo/';
const BoardPixels = 480;  // 15 cells of 32 pixels at 1×
const Palettes = { 1: 'ground', 2: 'block', 3: 'player' };

const page = {
    engine: null,
    game: null,
    english: {},           // context → Japanese pattern → English pattern
    language: 'ja',
    pictures: new Map(),   // file name → loaded image
    factor: 1,             // device pixels per art pixel
    shiftHeld: false,      // the on-screen Shift key
    dialogs: [],           // the page's own windows waiting to be shown, in order
    choosingFile: false,   // the file chooser answers the session's open-file question
    boardDrawn: false,
};

const $ = (id) => document.getElementById(id);

// A caption of the desktop's, translated as the desktop translates it, without its menu accelerator.
function caption(context, japanese) {
    const english = page.language === 'en' ? page.english[context]?.[japanese] : undefined;
    return withoutMnemonic(english || japanese);
}

function withoutMnemonic(text) {
    return text.replace(/\(&.\)$/, '').replace(/&(.)/g, '$1').replace(/\.\.\.$|…$/, '');
}

function pictureName(palette, index) {
    const kind = Palettes[palette];
    return kind === 'block' ? `block${index}` : `${kind}${String(index).padStart(2, '0')}`;
}

function loadPicture(name) {
    return new Promise((resolve, reject) => {
        const image = new Image();
        image.onload = () => resolve([name, image]);
        image.onerror = () => reject(new Error(`pictures/${name}.png`));
        image.src = `pictures/${name}.png`;
    });
}

async function loadPictures() {
    const names = [];
    for (let i = 0; i < 30; ++i) names.push(pictureName(1, i));
    for (let i = 0; i < 9; ++i) names.push(pictureName(2, i));
    for (let i = 0; i < 14; ++i) names.push(pictureName(3, i));
    const loaded = await Promise.all(names.map((name) => loadPicture(name).catch(() => [name, null])));
    for (const [name, image] of loaded) if (image) page.pictures.set(name, image);
}

// The largest whole number of device pixels per art pixel at which the board
// fits the window: every art pixel a whole square, crisp at any pixel ratio.
function fitBoard() {
    const canvas = $('board');
    const ratio = window.devicePixelRatio || 1;
    const panel = $('panel').getBoundingClientRect();
    const wide = window.innerWidth >= window.innerHeight;
    const roomWidth = wide ? window.innerWidth - panel.width - 24 : window.innerWidth - 16;
    const roomHeight = wide ? window.innerHeight - 16 : window.innerHeight - panel.height - 200;
    const room = Math.max(0, Math.min(roomWidth, roomHeight)) * ratio;
    page.factor = Math.max(1, Math.floor(room / BoardPixels));
    canvas.width = canvas.height = BoardPixels * page.factor;
    canvas.style.width = canvas.style.height = `${(BoardPixels * page.factor) / ratio}px`;
    drawBoard();
}

function drawBoard() {
    if (!page.game) return;
    const items = page.game.board();
    const canvas = $('board');
    const context = canvas.getContext('2d');
    context.imageSmoothingEnabled = false;
    context.fillStyle = 'rgb(24,24,32)';
    context.fillRect(0, 0, canvas.width, canvas.height);
    const f = page.factor;
    for (let i = 0; i < items.length; i += 4) {
        const image = page.pictures.get(pictureName(items[i], items[i + 1]));
        if (image) context.drawImage(image, items[i + 2] * f, items[i + 3] * f, image.width * f, image.height * f);
    }
    drawHint(context, f);
    if (!page.boardDrawn) {
        page.boardDrawn = true;
        document.body.dataset.firstBoard = String(performance.now());
    }
}

function showPanel() {
    const view = JSON.parse(page.game.view());
    $('stepsLeft').textContent = view.stepsLeft;
    $('stepsLeft').title = view.stepsLeftTip;
    $('stageTitle').textContent = view.stageTitle;
    $('status').textContent = view.status.headline;
    $('status').style.color = view.status.colour;
    $('statusHints').textContent = view.status.hints.join('\n');
    $('keysHeld').textContent = view.keysHeld;
    const round = $('roundButton');
    round.textContent = view.roundButton.caption;
    round.disabled = !view.roundButton.enabled;
    round.style.color = view.roundButton.colour;
    $('hintLine').textContent = view.searches.hintLine;
    $('deadEndLine').textContent = view.searches.deadEndLine;
    $('deadEndWarning').checked = view.deadEndWarning;
    for (const command of commandTable()) {
        for (const element of document.querySelectorAll(`[data-command="${command.id}"]`)) {
            element.disabled = !command.enabled;
            if (element.type === 'checkbox') element.checked = command.checked;
            const label = element.type === 'checkbox' ? element.nextElementSibling : element;
            label.textContent = withoutMnemonic(command.caption);
        }
    }
}

function refresh() {
    drawBoard();
    showPanel();
}

// ---- The session's questions and the page's own windows, as dialogs, one at a time.

// A message of the page's own (a hint that finds no clear), with a button
// that exports the player's files when it offers to (storage.js).
function message(box) {
    page.dialogs.push(() => {
        const dialog = $('messageDialog');
        dialog.querySelector('.title').textContent = box.title;
        dialog.querySelector('.text').textContent = box.text;
        const exporting = box.exportButton ? [{ answer: 'export', caption: box.exportButton }] : [];
        showAnswers(dialog, [...exporting, { answer: 0, caption: 'OK' }], 0, 'none');
        dialog.addEventListener('close', () => {
            if (dialog.returnValue === 'export') exportSavedFiles();
        }, { once: true });
        return dialog;
    });
}

// The buttons of a question, the one Enter presses focused; a text to type
// for Line (one line, Enter answers) and Lines (Enter starts a new line).
function showAnswers(dialog, buttons, enter, typing, offered = '') {
    const row = dialog.querySelector('.answers');
    row.replaceChildren();
    for (const button of buttons) {
        const element = document.createElement('button');
        element.value = String(button.answer);
        element.textContent = button.caption;
        element.autofocus = button.answer === enter && typing !== 'line' && typing !== 'lines';
        row.append(element);
    }
    // The clear window has buttons only.
    for (const [field, kind] of [[dialog.querySelector('input.typed'), 'line'], [dialog.querySelector('textarea.typed'), 'lines']]) {
        if (!field) continue;
        field.hidden = typing !== kind;
        field.value = offered;
        field.autofocus = typing === kind;
    }
    dialog.returnValue = '';
}

// The session's question as a dialog; closing it answers. Escape answers
// Cancel where the question has it, else the button Enter presses.
function questionDialog(asked) {
    const dialog = asked.kind === 'stageClear' ? $('clearDialog') : $('messageDialog');
    if (asked.kind === 'stageClear') {
        const letters = dialog.querySelector('.letters');
        letters.replaceChildren();
        [...asked.letters].forEach((letter, i) => {
            const box = document.createElement('span');
            box.textContent = letter;
            box.style.background = asked.background;
            box.style.animationDelay = `${0.2 * i}s`;
            letters.append(box);
        });
        showAnswers(dialog, asked.buttons, asked.enter, 'none');
    } else {
        dialog.querySelector('.title').textContent = asked.title;
        dialog.querySelector('.text').textContent = asked.text;
        showAnswers(dialog, asked.buttons, asked.enter, asked.kind, asked.defaultText);
    }
    dialog.addEventListener('close', () => {
        const escape = asked.buttons.some((b) => b.answer === asked.cancel) ? asked.cancel : asked.enter;
        const button = dialog.returnValue === '' ? escape : Number(dialog.returnValue);
        const typed = asked.kind === 'line' ? dialog.querySelector('input.typed').value
            : asked.kind === 'lines' ? dialog.querySelector('textarea.typed').value : null;
        page.game.answer(button, button === asked.cancel ? null : typed, null);
    }, { once: true });
    return dialog;
}

// An open-file question: the page's file chooser, its file written into the
// engine's file system; a save-file question is answered Cancel, as the
// page keeps no files of its own choosing.
function answerFileQuestion(asked) {
    if (asked.kind === 'saveFile') {
        page.game.answer(asked.cancel, null, null);
        return after();
    }
    if (page.choosingFile) return;
    page.choosingFile = true;
    $('stageFile').click();
}

async function answerWithFile(file) {
    page.choosingFile = false;
    if (!file) return page.game.answer(Number(JSON.parse(page.game.question()).cancel), null, null), after();
    // The engine reads the file as the desktop reads one: Shift_JIS, checked whole.
    const folder = '/opened/';
    try { page.engine.FS.mkdir(folder); } catch { /* there already */ }
    const path = folder + file.name.replace(/[\/\\]/g, '_');
    page.engine.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    page.game.answer(0, null, path);
    after();
}

function ending(redLabel) {
    page.dialogs.push(() => {
        const dialog = $('endingDialog');
        dialog.querySelector('.label').classList.toggle('red', redLabel);
        return dialog;
    });
}

// ---- The effects: the desktop's own files, one element each, played from
// the start again when the event comes again.

page.sounds = {};
page.soundsPlayed = [];  // the names of the effects asked for, for the tests
function sounds(names) {
    for (const name of names) {
        page.soundsPlayed.push(name);
        const effect = (page.sounds[name] ??= new Audio(`sounds/${name}.wav`));
        effect.currentTime = 0;
        // A browser refuses to play before the player's first key or click; the
        // game goes on without the sound.
        effect.play().catch(() => {});
    }
}

function showNextDialog() {
    if (document.querySelector('dialog[open]')) return;
    let dialog;
    if (page.dialogs.length > 0) dialog = page.dialogs.shift()();
    else {
        const asked = page.game.question();
        if (asked === null) return;
        const question = JSON.parse(asked);
        if (question.kind === 'openFile' || question.kind === 'saveFile') return answerFileQuestion(question);
        dialog = questionDialog(question);
    }
    dialog.addEventListener('close', () => {
        refresh();
        showNextDialog();
    }, { once: true });
    dialog.showModal();
}

function showStageList() {
    const dialog = $('stageListDialog');
    const tiles = dialog.querySelector('.tiles');
    tiles.replaceChildren();
    for (const tile of JSON.parse(page.game.stageList())) {
        const item = document.createElement('li');
        const open = document.createElement('button');
        open.value = `open:${tile.number}`;
        open.disabled = !tile.readable;
        open.innerHTML = '<b></b><span class="state"></span><span class="records"></span>';
        open.querySelector('b').textContent = tile.heading;
        open.querySelector('.state').textContent = tile.state;
        open.querySelector('.state').style.color = tile.stateColour;
        open.querySelector('.records').textContent = tile.records;
        item.append(open);
        if (tile.replay) {
            const replay = document.createElement('button');
            replay.value = `replay:${tile.number}:${tile.replayStepTry ? 1 : 0}`;
            replay.textContent = '▶';
            item.append(replay);
        }
        tiles.append(item);
    }
    dialog.addEventListener('close', () => {
        const [what, number, stepTry] = dialog.returnValue.split(':');
        if (what === 'open') page.game.openNumberedStage(Number(number));
        if (what === 'replay') page.game.replay(Number(number), stepTry === '1');
        after();
    }, { once: true });
    dialog.returnValue = '';
    dialog.showModal();
}

// The shortest clears come in from the session's searches while the list is open.
function updateStageList() {
    const dialog = $('stageListDialog');
    if (!dialog.open) return;
    const buttons = dialog.querySelectorAll('.tiles li > button:first-child');
    JSON.parse(page.game.stageList()).forEach((tile, i) => {
        buttons[i].querySelector('.records').textContent = tile.records;
    });
}

// After every command: the engine's windows, then the board and the panel.
function after() {
    refresh();
    showNextDialog();
}

// ---- The session's commands and keys, from its command table. The page
// offers the round's commands; the editor is not in the page.

const PageCommands = new Set(['start', 'retry', 'undo', 'redo', 'hint', 'openStage', 'copyStageCode', 'stageList',
                              'startOver', 'stepTry', 'blockMode', 'superMode', 'comment']);
// The commands the page still runs itself.
const OwnRuns = { hint: () => askForHint(), stageList: () => showStageList(), copyStageCode: () => shareStage() };

function commandTable() {
    return JSON.parse(page.game.commands()).filter((command) => PageCommands.has(command.id));
}

function runCommand(id) {
    const command = commandTable().find((c) => c.id === id);
    if (OwnRuns[id]) {
        if (command.enabled) OwnRuns[id]();
    } else {
        page.game.runCommand(id);
    }
    after();
}

// The command a key with its modifiers is a shortcut of; an offered one
// first, as two share Ctrl+Z where only one is offered at a time.
function commandForKey(event) {
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    const matching = commandTable().filter((command) => command.shortcuts.some((s) =>
        s.key === key && s.shift === event.shiftKey && s.control === event.ctrlKey && s.alt === event.altKey));
    return (matching.find((command) => command.enabled) ?? matching[0])?.id;
}

// The board's keys, as the desktop game takes them.
const GameKeys = {
    ArrowLeft: 'Left', ArrowRight: 'Right', ArrowUp: 'Up', ArrowDown: 'Down',
    Delete: 'Delete', z: 'Action', Z: 'Action', Enter: 'Action', ' ': 'Action', Escape: 'Escape',
};

// While a dialog is open the keys are its own.
function onKey(event) {
    if (document.querySelector('dialog[open]') || event.altKey || event.metaKey) return;
    const command = commandForKey(event);
    if (command) {
        event.preventDefault();
        return runCommand(command);
    }
    if (event.ctrlKey) return;
    let key = GameKeys[event.key];
    if (!key && /^[a-zA-Z0-9]$/.test(event.key)) key = 'Other';
    if (!key) return;
    event.preventDefault();
    page.game.pressKey(key, event.shiftKey, false);
    after();
}

function pressTouchKey(key) {
    page.game.pressKey(key, page.shiftHeld, false);
    page.shiftHeld = false;
    $('shiftKey').classList.remove('held');
    after();
}

// ---- The language: Japanese unless the player chose English here; the browser's own is not asked.

function useLanguage(language) {
    page.language = language;
    storage.set('nerilo/language', language);
    document.documentElement.lang = language;
    $('language').value = language;
    page.game.setTranslation(language === 'en' ? JSON.stringify(page.english) : '');
    for (const element of document.querySelectorAll('[data-caption]')) {
        const [context, japanese] = element.dataset.caption.split('|');
        element.textContent = caption(context, japanese);
    }
    showDamagedFiles();
    refresh();
}

function wire() {
    document.addEventListener('keydown', onKey);
    for (const button of document.querySelectorAll('#panel [data-command]')) {
        const event = button.type === 'checkbox' ? 'change' : 'click';
        button.addEventListener(event, () => {
            button.blur();
            runCommand(button.dataset.command);
        });
    }
    $('roundButton').addEventListener('click', () => {
        $('roundButton').blur();
        page.game.runRoundCommand();
        after();
    });
    $('stageFile').addEventListener('change', () => {
        const file = $('stageFile').files[0];
        $('stageFile').value = '';
        answerWithFile(file);
    });
    $('stageFile').addEventListener('cancel', () => answerWithFile(null));
    $('exportButton').addEventListener('click', exportSavedFiles);
    $('importButton').addEventListener('click', () => $('savedFile').click());
    $('savedFile').addEventListener('change', () => {
        const file = $('savedFile').files[0];
        $('savedFile').value = '';
        if (file) importSavedFile(file).then(showNextDialog);
    });
    $('language').addEventListener('change', () => useLanguage($('language').value));
    for (const button of document.querySelectorAll('#touch [data-key]'))
        button.addEventListener('pointerdown', (event) => (event.preventDefault(), pressTouchKey(button.dataset.key)));
    $('shiftKey').addEventListener('pointerdown', (event) => {
        event.preventDefault();
        page.shiftHeld = !page.shiftHeld;
        $('shiftKey').classList.toggle('held', page.shiftHeld);
    });
    window.addEventListener('resize', fitBoard);
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', fitBoard);
    // The front end owns the clock: the world ticks ten times a second, under
    // the session's windows too, as on the desktop.
    setInterval(() => {
        if (!page.game.ticking()) return;
        page.game.tick();
        after();
    }, 100);
}

async function start() {
    const [engine, english] = await Promise.all([
        createEngine(),
        fetch('en.json').then((response) => response.json()),
        loadPictures(),
    ]);
    page.engine = engine;
    page.english = english;
    page.game = new engine.Game();
    page.game.listen({ message, ending, sounds });
    openStorage();
    wireHints();
    wire();
    useLanguage(storage.get('nerilo/language') === 'en' ? 'en' : 'ja');
    page.game.startUp();
    fitBoard();
    after();
    await wireCodes();
    document.body.dataset.ready = 'true';
}

start();

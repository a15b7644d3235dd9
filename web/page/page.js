// The page's front end: it owns the clock, draws what the engine's view says,
// turns keys, touches and buttons into the engine's commands, shows the
// engine's windows as dialogs, and keeps data.nrl and records.json in the
// browser's storage (storage.js). The editor's palettes and painting are in
// editor.js.
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
    texts: {},             // the page's own captions and names, in the language chosen
    touch: false,          // a touch screen: the panel names taps, not keys
    said: {},              // what the live region last said of each line, so that each change is said once
    linkedStage: null,     // the stage a link opened (its path and comment), while it is open
    linkAsked: null,       // the edited stage, while a link waits for the answer about its unsaved edits
    byKeyboard: false,     // the last control was pressed by a key, not a pointer
    view: null,            // the view last shown
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
// On a wide screen the side column stands beside the board; on a tall one it
// goes below, where the touch keys must stay in view with the board (the
// panel may be scrolled to). Only the window's size and the side column's
// fixed width count, never what the panel says now, so every resize to the
// same size gives the same board.
function fitBoard() {
    const canvas = $('board');
    const ratio = window.devicePixelRatio || 1;
    const [width, height] = [window.innerWidth, window.innerHeight];
    const wide = width >= height;
    const side = $('side').offsetWidth;
    const touchKeys = page.touch ? $('touch').offsetHeight + 8 : 0;
    const roomWidth = wide ? width - side - 24 : width - 16;
    const roomHeight = wide ? height - 16 : height - touchKeys - 24;
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
    drawCursor(context, f);
    if (!page.boardDrawn) {
        page.boardDrawn = true;
        document.body.dataset.firstBoard = String(performance.now());
    }
}

function showPanel() {
    const view = page.view = JSON.parse(page.game.view());
    $('stepsLeft').textContent = view.stepsLeft;
    $('stepsLeft').title = view.stepsLeftTip;
    $('stepsLeft').ariaLabel = `${page.texts.stepsLeft} ${view.stepsLeft}`;
    $('keysHeld').ariaLabel = `${page.texts.keysHeld} ${view.keysHeld}`;
    $('stageTitle').textContent = view.stageTitle;
    $('status').textContent = view.status.headline;
    $('status').style.color = view.status.colour;
    $('statusHints').textContent = view.status.hints.join('\n');
    $('keysHeld').textContent = view.keysHeld;
    const round = $('roundButton');
    round.textContent = view.roundButton.caption;
    // A command waits for its search (the checks on Save, a link's proof): nothing is taken meanwhile.
    document.body.style.cursor = view.busy ? 'progress' : '';
    document.body.ariaBusy = view.busy ? 'true' : null;
    round.disabled = !view.roundButton.enabled || view.busy;
    round.style.color = view.roundButton.colour;
    $('touchRound').textContent = round.textContent;
    $('touchRound').disabled = round.disabled;
    const hintLine = jobs.loadFailed(JobKinds.hint) && view.searches.hintLine && !view.searches.hintSearching
        ? page.texts.hintFailed : view.searches.hintLine;
    $('hintLine').textContent = hintLine;
    $('deadEndLine').textContent = view.searches.deadEndLine;
    showIntro(view);
    showEditor(view);
    followLinkedStage(view);
    announce({ status: view.status.headline, hint: hintLine, deadEnd: view.searches.deadEndLine });
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

// The stage's comment while its round has not started, and how to start it.
function showIntro(view) {
    $('intro').hidden = view.roundStarted || view.playback;
    $('stageComment').textContent = view.comment;
    $('startNote').textContent = view.status.headline;
}

// Each line that changed, said once by the live region: the game's state
// (start, loss, clear), the hint and the dead-end warning.
function announce(lines) {
    const changed = [];
    for (const [line, text] of Object.entries(lines)) {
        if (page.said[line] !== text && text) changed.push(text);
        page.said[line] = text;
    }
    if (changed.length > 0) say(changed.join('\n'));
}

function say(text) {
    $('announce').textContent = text;
}

function describeBoard() {
    const text = page.game.boardText();
    if ($('board').ariaLabel !== text) $('board').ariaLabel = text;
}

function refresh() {
    drawBoard();
    describeBoard();
    showPanel();
}

// ---- The session's questions and the page's own windows, as dialogs, one at a time.

// A message of the page's own (a hint that finds no clear), with a button
// that exports the player's files when it offers to (storage.js).
function message(box) {
    say(box.text);
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
    } else if (asked.kind === 'saveFile') {
        // The page's save dialog is a file name to type (editor.js).
        dialog.querySelector('.title').textContent = asked.title;
        dialog.querySelector('.text').textContent = page.texts.fileName;
        showAnswers(dialog, asked.buttons, asked.enter, 'line', asked.fileName);
    } else {
        dialog.querySelector('.title').textContent = asked.title;
        dialog.querySelector('.text').textContent = asked.text;
        showAnswers(dialog, asked.buttons, asked.enter, asked.kind, asked.defaultText);
    }
    dialog.addEventListener('close', () => {
        const escape = asked.buttons.some((b) => b.answer === asked.cancel) ? asked.cancel : asked.enter;
        const button = dialog.returnValue === '' ? escape : Number(dialog.returnValue);
        const typed = asked.kind === 'line' || asked.kind === 'saveFile' ? dialog.querySelector('input.typed').value
            : asked.kind === 'lines' ? dialog.querySelector('textarea.typed').value : null;
        if (asked.kind === 'saveFile') answerSave(asked, button, typed);
        else page.game.answer(button, button === asked.cancel ? null : typed, null);
    }, { once: true });
    return dialog;
}

// An open-file question: the page's file chooser, its file written into the
// engine's file system.
function answerFileQuestion() {
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
        if (!$('soundOn').checked) continue;
        const effect = (page.sounds[name] ??= new Audio(`sounds/${name}.wav`));
        effect.volume = soundVolume() / 100;
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
        if (question.kind === 'openFile') return answerFileQuestion();
        dialog = questionDialog(question);
    }
    dialog.addEventListener('close', () => {
        refresh();
        showNextDialog();
        // A window closed with the pointer hands the keys back to the board,
        // so the arrows play on; by keyboard the focus goes back where it was.
        if (!document.querySelector('dialog[open]') && !page.byKeyboard) $('board').focus();
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
        open.innerHTML = '<canvas aria-hidden="true"></canvas><b></b><span class="state"></span><span class="records"></span>';
        if (tile.readable) drawPreview(open.querySelector('canvas'), page.game.stagePreview(tile.number));
        open.querySelector('b').textContent = tile.heading;
        open.querySelector('.state').textContent = tile.state;
        // The state's colour marks it; its words keep the dialog's own, which every colour reads on.
        open.querySelector('.state').style.borderLeftColor = tile.stateColour;
        open.querySelector('.records').textContent = tile.records;
        item.append(open);
        if (tile.replay) {
            const replay = document.createElement('button');
            replay.value = `replay:${tile.number}:${tile.replayStepTry ? 1 : 0}`;
            replay.textContent = '▶';
            replay.ariaLabel = `${caption('nerilo::ui::StageListWindow', 'リプレイ')} ${tile.number}`;
            replay.title = caption('nerilo::ui::StageListWindow', 'この面の最少記録のクリアを再生します。');
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

// The stage's board in small, as the board is drawn.
function drawPreview(canvas, items) {
    const side = 90, ratio = window.devicePixelRatio || 1;
    canvas.width = canvas.height = Math.round(side * ratio);
    const context = canvas.getContext('2d');
    const f = canvas.width / BoardPixels;
    for (let i = 0; i < items.length; i += 4) {
        const image = page.pictures.get(pictureName(items[i], items[i + 1]));
        if (image) context.drawImage(image, items[i + 2] * f, items[i + 3] * f, image.width * f, image.height * f);
    }
}

// The arrows move between the list's tiles as they stand in the grid.
function moveInStageList(event) {
    const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: 'up', ArrowDown: 'down' };
    const tiles = [...$('stageListDialog').querySelectorAll('.tiles li > button:first-child')];
    const at = tiles.indexOf(document.activeElement);
    if (!(event.key in moves) || at < 0) return;
    const columns = getComputedStyle(tiles[0].closest('.tiles')).gridTemplateColumns.split(' ').length;
    const move = moves[event.key];
    const to = typeof move === 'number' ? at + move : at + (move === 'up' ? -columns : columns);
    event.preventDefault();
    event.stopPropagation();
    tiles[Math.max(0, Math.min(tiles.length - 1, to))].focus();
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

// ---- The session's commands and keys, from its command table: the round's
// and the editor's, but for the solution search, which has no window here
// (the analysis's shortest clear plays in test play).

// Every command of the table is offered but these: the page opens codes from
// its links, is closed with its tab, and has no window for the solution search
// (the analysis's shortest clear plays in test play).
const NotInPage = new Set(['openStageCode', 'quit', 'findSolution']);
// The commands the page still runs itself.
const OwnRuns = { hint: () => askForHint(), stageList: () => showStageList(), copyStageCode: () => shareStage(),
                  copyStageCodeInEditor: () => shareStage() };

function commandTable() {
    return JSON.parse(page.game.commands()).filter((command) => !NotInPage.has(command.id));
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

// The browser's own keys, which the page never takes: reload, the address
// bar, full screen and the developer tools.
function browserKey(event) {
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    return ['F5', 'F11', 'F12'].includes(key) || (event.ctrlKey && ['R', 'L'].includes(key));
}

// A focused control keeps Enter, Space and the arrows, which press, choose
// and move it (the page's fields to type in are all in its dialogs).
const gameHasFocus = (target) => target === document.body || target === document.documentElement || target === $('board');

// While a dialog is open the keys are its own.
function onKey(event) {
    page.byKeyboard = true;
    if (document.querySelector('dialog[open]') || event.altKey || event.metaKey || browserKey(event)) return;
    const command = commandForKey(event);
    if (command) {
        event.preventDefault();
        return runCommand(command);
    }
    if (event.ctrlKey || !gameHasFocus(event.target)) return;
    if (paintByKey(event)) return;
    let key = GameKeys[event.key];
    if (!key && /^[a-zA-Z0-9]$/.test(event.key)) key = 'Other';
    if (!key) return;
    event.preventDefault();
    pressKey(key, event.shiftKey);
}

// A key before Start does nothing in the game: the note that says how to
// start flashes, and is said again.
function pressKey(key, shift) {
    page.game.pressKey(key, shift, false);
    after();
    if (JSON.parse(page.game.view()).roundStarted) return;
    const note = $('startNote');
    note.classList.remove('flash');
    void note.offsetWidth;  // starts the animation again
    note.classList.add('flash');
    say(`${note.textContent}${$('announce').textContent.endsWith(' ') ? '' : ' '}`);
}

function pressTouchKey(key) {
    const shift = page.shiftHeld;
    holdShift(false);
    pressKey(key, shift);
}

function holdShift(held) {
    page.shiftHeld = held;
    $('shiftKey').classList.toggle('held', held);
    $('shiftKey').ariaPressed = String(held);
}

// A control pressed with the mouse or a finger gives the focus back to the
// page, where the game's keys act; one pressed by its key keeps it. Heard as
// the event bubbles up to the document, after the control's own handler. A
// select only on change: blurred on its click, its list would close at once.
function leaveControls() {
    const leave = (selector) => (event) => {
        const control = event.target.closest?.(selector);
        if (control && !page.byKeyboard) control.blur();
    };
    document.addEventListener('click', leave('button, input[type=checkbox], input[type=radio]'));
    document.addEventListener('change', leave('select, input[type=checkbox], input[type=radio]'));
}

// ---- The sound settings, as the desktop's サウンド menu: on or off and one
// of three volumes, remembered.

const soundVolume = () => Number(document.querySelector('input[name=volume]:checked').value);

function wireSound() {
    const volumes = [...document.querySelectorAll('input[name=volume]')];
    const kept = JSON.parse(storage.get('nerilo/sound') ?? 'null');
    if (kept) {
        $('soundOn').checked = kept.on;
        for (const volume of volumes) volume.checked = Number(volume.value) === kept.volume;
    }
    for (const input of [$('soundOn'), ...volumes]) {
        input.addEventListener('change', () => {
            storage.set('nerilo/sound', JSON.stringify({ on: $('soundOn').checked, volume: soundVolume() }));
        });
    }
}

// ---- Links: #5 opens numbered stage 5, any other # a stage code
// (codes.js). While the linked stage is open the page offers the player's
// own next stage; once he leaves it, the address loses its #.

const stageKey = (view) => `${view.stagePath}|${view.comment}`;

function followLink() {
    page.linkedStage = stageKey(JSON.parse(page.game.view()));
}

function followLinkedStage(view) {
    // A link followed from the editor is followed once the edits are
    // dropped, and forgotten when they are kept.
    if (page.linkAsked !== null && page.game.question() === null) {
        const kept = stageKey(view) === page.linkAsked;
        page.linkAsked = null;
        if (kept) history.replaceState(null, '', location.pathname + location.search);
        else page.linkedStage = stageKey(view);
    }
    $('ownStageButton').hidden = page.linkedStage === null;
    if (page.linkedStage === null || stageKey(view) === page.linkedStage) return;
    page.linkedStage = null;
    $('ownStageButton').hidden = true;
    history.replaceState(null, '', location.pathname + location.search);
}

function openOwnStage() {
    page.linkedStage = null;
    history.replaceState(null, '', location.pathname + location.search);
    page.game.runCommand('startOver');
    after();
}

// ---- The language: Japanese unless the player chose English here; the browser's own is not asked.

function useLanguage(language) {
    page.language = language;
    storage.set('nerilo/language', language);
    document.documentElement.lang = language;
    $('language').value = language;
    page.game.setTranslation(language === 'en' ? JSON.stringify(page.english) : '');
    page.texts = JSON.parse(page.game.pageTexts());
    buildPalettes();
    for (const element of document.querySelectorAll('[data-caption]')) {
        const [context, japanese] = element.dataset.caption.split('|');
        element.textContent = caption(context, japanese);
    }
    for (const element of document.querySelectorAll('[data-label]')) {
        const [context, japanese] = element.dataset.label.split('|');
        element.ariaLabel = caption(context, japanese);
    }
    for (const element of document.querySelectorAll('[data-name]')) element.ariaLabel = page.texts[element.dataset.name];
    $('language').ariaLabel = page.texts.language;
    $('touch').ariaLabel = page.texts.touchKeys;
    $('ownStageButton').textContent = page.texts.ownStage;
    page.said = {};
    showDamagedFiles();
    refresh();
}

function useTouch(touch) {
    page.touch = touch;
    page.game.setTouch(touch);
}

// A command the session adds reaches the page with no change here: one the
// layout has no place for gets a control among the stage's buttons (or the
// editor's), captioned and enabled from the table as every control is. Start
// and Retry share the round button, which says the one the round offers.
function placeNewCommands() {
    for (const command of commandTable()) {
        if (document.querySelector(`[data-command="${command.id}"], [data-serves~="${command.id}"]`)) continue;
        const place = command.editor ? $('editor').querySelector('.buttons') : $('openButton').parentElement;
        if (command.checkable) {
            const label = document.createElement('label');
            label.innerHTML = '<input type="checkbox"><span></span>';
            label.firstChild.dataset.command = command.id;
            place.append(label);
        } else {
            const button = document.createElement('button');
            button.dataset.command = command.id;
            place.append(button);
        }
    }
}

function wire() {
    placeNewCommands();
    document.addEventListener('keydown', onKey);
    document.addEventListener('pointerdown', () => (page.byKeyboard = false), true);
    leaveControls();
    for (const button of document.querySelectorAll('[data-command]')) {
        const event = button.type === 'checkbox' ? 'change' : 'click';
        button.addEventListener(event, () => {
            runCommand(button.dataset.command);
        });
    }
    for (const button of [$('roundButton'), $('touchRound')]) {
        button.addEventListener('click', () => {
            page.game.runRoundCommand();
            after();
        });
    }
    const coarse = matchMedia('(pointer: coarse)');
    coarse.addEventListener('change', () => (useTouch(coarse.matches), fitBoard(), refresh()));
    useTouch(coarse.matches);
    wireSound();
    $('stageFile').addEventListener('change', () => {
        const file = $('stageFile').files[0];
        $('stageFile').value = '';
        answerWithFile(file);
    });
    $('stageFile').addEventListener('cancel', () => answerWithFile(null));
    $('ownStageButton').addEventListener('click', openOwnStage);
    $('exportButton').addEventListener('click', exportSavedFiles);
    $('importButton').addEventListener('click', () => $('savedFile').click());
    $('savedFile').addEventListener('change', () => {
        const file = $('savedFile').files[0];
        $('savedFile').value = '';
        if (file) importSavedFile(file).then(showNextDialog);
    });
    $('stageListDialog').addEventListener('keydown', moveInStageList);
    $('language').addEventListener('change', () => {
        useLanguage($('language').value);
    });
    for (const button of document.querySelectorAll('#touch [data-key]'))
        button.addEventListener('pointerdown', (event) => (event.preventDefault(), pressTouchKey(button.dataset.key)));
    $('shiftKey').addEventListener('pointerdown', (event) => {
        event.preventDefault();
        holdShift(!page.shiftHeld);
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
    wireEditor();
    useLanguage(storage.get('nerilo/language') === 'en' ? 'en' : 'ja');
    page.game.startUp();
    fitBoard();
    after();
    await wireCodes();
    // Installed, the page plays offline (sw.js).
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
    document.body.dataset.ready = 'true';
}

start();

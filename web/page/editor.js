// The stage editor in the page, as the desktop's window drives it: the
// palettes and brushes in the game's own pictures, painting on the board with
// pointer strokes, the editor's commands from the command table, the analysis
// of the edited board and its circuit preview, and Save as a download. The
// session does all the editing (game/editor.h); this only shows its view and
// hands it the pointer.
'use strict';

const editor = {
    stroke: null,    // the pointer pressed on the board: its id, whether it picks, the last cell it touched
    picking: false,  // the next press on the board picks a brush (the right button always does)
    cursor: 112,     // the cell the keys paint, the board's middle at first
};

// Where the page's file system keeps the stages saved: the folder is
// the page's, the files are the player's downloads.
const SavedFolder = '/saved/';

function pictureSource([palette, index]) {
    return `pictures/${pictureName(palette, index)}.png`;
}

// The palettes, once: a button for each entry, named by its tile.
function buildPalettes() {
    const palettes = JSON.parse(page.game.palettes());
    const fill = (row, entries, choose) => {
        row.replaceChildren();
        entries.forEach((entry, code) => {
            const button = document.createElement('button');
            const image = document.createElement('img');
            image.src = pictureSource(entry.picture);
            image.alt = '';
            button.append(image);
            button.ariaLabel = entry.name;
            button.title = entry.name;
            button.addEventListener('click', () => {
                choose(code);
                after();
            });
            row.append(button);
        });
    };
    fill($('groundPalette'), palettes.ground, (code) => page.game.chooseGroundBrush(code));
    fill($('blockPalette'), palettes.blocks, (code) => page.game.chooseBlockBrush(code));
}

// The editor's part of the view: shown while editing and in test play, its
// palettes offered only while editing.
function showEditor(view) {
    const shown = view.editor;
    $('editor').hidden = !shown.shown;
    for (const button of document.querySelectorAll('#editor .palette button, #blockBrush, #pickBrush'))
        button.disabled = !shown.palettesEnabled;
    $('groundBrush').src = pictureSource(shown.groundBrush);
    $('groundBrush').alt = `${page.texts.groundBrush}: ${shown.groundBrushName}`;
    $('blockBrushPicture').src = pictureSource(shown.blockBrush);
    $('blockBrush').ariaLabel = `${page.texts.blockBrush}: ${shown.blockBrushName}`;
    $('layerButton').textContent = shown.layer.caption;
    $('layerButton').disabled = !shown.layer.enabled;
    if (!shown.palettesEnabled) editor.picking = false;
    $('pickBrush').ariaPressed = String(editor.picking);
    $('pickBrush').textContent = page.texts.pickBrush;
    $('board').classList.toggle('painting', shown.palettesEnabled);
    // On a touch screen the touch keys serve test play only: there they come
    // first, under the board; while painting they are put away.
    document.body.classList.toggle('painting', shown.palettesEnabled);
    document.body.classList.toggle('testPlaying', shown.shown && !shown.palettesEnabled);
    showAnalysis(shown.analysis);
}

// The shortest clear is a link that plays it in test play.
function showAnalysis(analysis) {
    $('analysis').hidden = !analysis.shown;
    $('analysisTitle').textContent = analysis.title;
    const lines = $('analysisLines');
    if (lines.dataset.shown === JSON.stringify(analysis)) return;
    lines.dataset.shown = JSON.stringify(analysis);
    lines.replaceChildren(...analysis.lines.map((line, i) => {
        const playable = i === 1 && analysis.solution !== '';
        const item = document.createElement(playable ? 'button' : 'p');
        item.textContent = line;
        if (playable) {
            item.className = 'solution';
            item.addEventListener('click', () => {
                page.game.playSolution(analysis.solution);
                after();
            });
        }
        return item;
    }));
}

// ---- Painting: press, drag, release is one stroke, one undo step.

function cellAt(event) {
    const box = $('board').getBoundingClientRect();
    const column = Math.floor(((event.clientX - box.left) / box.width) * 15);
    const row = Math.floor(((event.clientY - box.top) / box.height) * 15);
    return column >= 0 && column < 15 && row >= 0 && row < 15 ? row * 15 + column : -1;
}

function touchCell(event) {
    const cell = cellAt(event);
    if (cell < 0 || cell === editor.stroke.last) return;
    editor.stroke.last = cell;
    if (editor.stroke.picks) page.game.pickBrushAt(cell);
    else page.game.paintCell(cell);
    drawBoard();
}

function startStroke(event) {
    if (!page.view?.editor.palettesEnabled || editor.stroke) return;
    event.preventDefault();
    $('board').focus();
    $('board').setPointerCapture(event.pointerId);
    editor.stroke = { id: event.pointerId, picks: event.button === 2 || editor.picking, last: -1 };
    if (!editor.stroke.picks) page.game.beginStroke();
    touchCell(event);
}

function moveStroke(event) {
    if (editor.stroke?.id !== event.pointerId) return;
    for (const each of event.getCoalescedEvents?.() ?? [event]) touchCell(each);
}

function endStroke(event) {
    if (editor.stroke?.id !== event.pointerId) return;
    if (editor.stroke.picks) editor.picking = false;
    else page.game.endStroke();
    editor.stroke = null;
    after();
}

// ---- Painting by keys, on the focused board: the arrows move a cursor,
// Space or Enter paints its cell, and with Shift picks the brush there.

const CursorMoves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };

function paintByKey(event) {
    if (!page.view?.editor.palettesEnabled || event.ctrlKey || event.target !== $('board')) return false;
    const move = CursorMoves[event.key];
    if (move) {
        const column = Math.min(14, Math.max(0, (editor.cursor % 15) + move[0]));
        const row = Math.min(14, Math.max(0, Math.floor(editor.cursor / 15) + move[1]));
        editor.cursor = row * 15 + column;
        say(`${column + 1}, ${row + 1}`);
    } else if (event.key === ' ' || event.key === 'Enter') {
        if (event.shiftKey) page.game.pickBrushAt(editor.cursor);
        else page.game.paintCell(editor.cursor);
    } else {
        return false;
    }
    event.preventDefault();
    after();
    return true;
}

// A yellow frame on the cursor's cell while the board has the keys.
function drawCursor(context, factor) {
    if (!page.view?.editor.palettesEnabled || document.activeElement !== $('board')) return;
    const pitch = 32 * factor;
    context.save();
    context.lineWidth = 2 * factor;
    context.strokeStyle = '#ffdc00';
    context.strokeRect((editor.cursor % 15) * pitch + factor, Math.floor(editor.cursor / 15) * pitch + factor,
                       pitch - 2 * factor, pitch - 2 * factor);
    context.restore();
}

// ---- Save: the session's file question answered with a name; the engine
// writes the file, and the page hands its bytes to the player as a download.

function savedPath(typed) {
    const name = (typed ?? '').trim().replace(/[\/\\]/g, '_');
    if (!name) return null;
    return SavedFolder + (/\.[^.]+$/.test(name) ? name : `${name}.txt`);
}

function answerSave(asked, button, typed) {
    const path = button === asked.cancel ? null : savedPath(typed);
    if (!path) return page.game.answer(asked.cancel, null, null);
    try { page.engine.FS.mkdir(SavedFolder); } catch { /* there already */ }
    // Only a file the engine has just written is offered.
    removeEngineFile(path);
    page.game.answer(button, null, path);
    const bytes = readEngineFile(path);
    if (!bytes) return;
    download(baseName(path), bytes);
    say(page.texts.saved.replace('%1', baseName(path)));
}

// ---- Unsaved edits: the browser's own question when the page itself is left.

function warnBeforeLeaving(event) {
    if (!page.view?.editor.palettesEnabled || !page.game.hasUnsavedEdits()) return;
    event.preventDefault();
    event.returnValue = '';
}

function wireEditor() {
    buildPalettes();
    const board = $('board');
    board.addEventListener('pointerdown', startStroke);
    board.addEventListener('pointermove', moveStroke);
    board.addEventListener('pointerup', endStroke);
    board.addEventListener('pointercancel', endStroke);
    // The right button picks, as on the desktop.
    board.addEventListener('contextmenu', (event) => {
        if (page.view?.editor.palettesEnabled) event.preventDefault();
    });
    const actions = {
        layerButton: () => page.game.togglePaintLayer(),
        blockBrush: () => page.game.chooseEraser(),
        pickBrush: () => (editor.picking = !editor.picking),
    };
    for (const [id, action] of Object.entries(actions)) {
        $(id).addEventListener('click', () => {
            action();
            after();
        });
    }
    const preview = $('circuitPreview');
    preview.checked = storage.get('nerilo/circuitPreview') !== 'false';
    page.game.setCircuitPreview(preview.checked);
    preview.addEventListener('change', () => {
        storage.set('nerilo/circuitPreview', String(preview.checked));
        page.game.setCircuitPreview(preview.checked);
        after();
    });
    window.addEventListener('beforeunload', warnBeforeLeaving);
    board.addEventListener('focus', drawBoard);
    board.addEventListener('blur', drawBoard);
}

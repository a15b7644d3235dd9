// Hints, as the desktop gives them: the next press of a shortest clear from
// where the player stands, searched in a worker (hint-worker.js) while the
// page goes on, shown in the hint line and as an arrow over the board. A hint
// holds for the position it was asked in: any command of the game ends it,
// and ends a search under way.
'use strict';

const hints = {
    worker: null,      // kept between searches; ended to cancel one
    searching: false,
    shown: null,       // the hint on the board: { press, pressesLeft, cell, direction }
    notFound: false,   // the search gave up (its limit) before an answer
    lastSearch: null,  // the last answer, with the search's figures (for the tests and the measures)
};

// The game's commands, each of which ends a hint. They are wrapped here once,
// so that every way the page has of giving one (keys, buttons, the touch keys,
// the stage list, files) ends the hint without each having to remember to.
const HintEndingCommands = ['pressKey', 'runCommand', 'runRoundCommand', 'openStageFile', 'openNumberedStage', 'replay',
                            'readProgressAgain', 'startUp', 'openStageCode'];

// A worker's memory never shrinks: one that stored this many positions (the
// large three-ball room's 1.26 million took 40 MB) is ended when its search
// is, and the next hint starts a fresh one, in a fifth of a second. Smaller
// searches keep their worker, ready at once for the next hint.
const LargeSearch = 1000000;

// A text of the desktop's window, translated as the desktop translates it.
function windowText(context, japanese) {
    return (page.language === 'en' && page.english[context]?.[japanese]) || japanese;
}

function endHint() {
    if (hints.searching) {
        // The search runs to its end unless its worker ends: nothing else could
        // reach it while it runs. The next hint starts a fresh worker.
        hints.worker.terminate();
        hints.worker = null;
        hints.searching = false;
    }
    hints.shown = null;
    hints.notFound = false;
}

// Asking again while a hint is searched stops the search.
function askForHint() {
    if (hints.searching) {
        endHint();
        return after();
    }
    if (!commandTable().find((command) => command.id === 'hint').enabled) return;
    endHint();
    const worker = (hints.worker ??= new Worker('hint-worker.js'));
    // An answer from a worker already ended or replaced is dropped.
    worker.onmessage = (event) => worker === hints.worker && showHint(event.data);
    // The worker could not start (its engine not loaded): no hint, and a fresh worker next time.
    worker.onerror = (event) => {
        event.preventDefault();
        if (worker === hints.worker) showHint({ outcome: 'failed' });
    };
    const position = page.game.position();
    worker.postMessage(position, [position.buffer]);
    hints.searching = true;
    after();
}

function showHint(answer) {
    hints.searching = false;
    // A failed search leaves its engine unusable.
    if (answer.stored >= LargeSearch || answer.outcome === 'failed') {
        hints.worker.terminate();
        hints.worker = null;
    }
    hints.lastSearch = answer;
    if (answer.press) {
        hints.shown = { press: answer.press, pressesLeft: answer.pressesLeft, ...page.game.takeHint(answer.press) };
    } else if (answer.outcome === 'unsolvable') {
        page.game.tellNoClear();
    } else {
        hints.notFound = true;
    }
    after();
}

function hintLine() {
    if (hints.searching) return windowText('nerilo::ui::MainWindow', 'ヒントを探しています…');
    if (hints.notFound) return windowText('nerilo::ui::MainWindow', 'ヒントが見つかりません');
    if (hints.shown) return page.game.hintText(hints.shown.press, hints.shown.pressesLeft);
    return '';
}

// A thick yellow arrow from the middle of the player's cell into the next one,
// outlined in black so it reads on every tile; a ring for the action key. The
// desktop's shape, in device pixels with `factor` of them to an art pixel.
const HintArrow = [[0.1, -0.12], [0.7, -0.12], [0.7, -0.3], [1.1, 0], [0.7, 0.3], [0.7, 0.12], [0.1, 0.12]];
const HintTurns = [Math.PI, 0, -Math.PI / 2, Math.PI / 2];  // left, right, up, down
function drawHint(context, factor) {
    const hint = hints.shown;
    if (!hint) return;
    const pitch = 32 * factor;
    const x = (hint.cell % 15 + 0.5) * pitch, y = (Math.floor(hint.cell / 15) + 0.5) * pitch;
    context.save();
    context.beginPath();
    if (hint.direction < 0) {
        context.arc(x, y, pitch * 0.55, 0, 2 * Math.PI);
        context.moveTo(x + pitch * 0.4, y);
        context.arc(x, y, pitch * 0.4, 0, 2 * Math.PI);
    } else {
        const turn = HintTurns[hint.direction];
        const [cos, sin] = [Math.cos(turn), Math.sin(turn)];
        for (const [u, v] of HintArrow) context.lineTo(x + pitch * (u * cos - v * sin), y + pitch * (u * sin + v * cos));
        context.closePath();
    }
    context.fillStyle = 'rgba(255, 220, 0, 0.863)';
    context.fill('evenodd');
    context.lineWidth = factor;
    context.strokeStyle = 'black';
    context.stroke();
    context.restore();
}

function wireHints() {
    for (const name of HintEndingCommands) {
        const command = page.game[name].bind(page.game);
        page.game[name] = (...args) => {
            endHint();
            return command(...args);
        };
    }
}

// The hint as the desktop shows it: the session searches it (jobs.js) and the
// view says its line and its arrow over the board; any command of the game
// ends it. Also the dead-end warning's option (詰みを知らせる), kept in the
// browser's storage as the desktop keeps it in its settings.
'use strict';

function askForHint() {
    page.game.askForHint();
    after();
}

// A thick yellow arrow from the middle of the player's cell into the next one,
// outlined in black so it reads on every tile; a ring for the action key. The
// desktop's shape, in device pixels with `factor` of them to an art pixel.
const HintArrow = [[0.1, -0.12], [0.7, -0.12], [0.7, -0.3], [1.1, 0], [0.7, 0.3], [0.7, 0.12], [0.1, 0.12]];
const HintTurns = [Math.PI, 0, -Math.PI / 2, Math.PI / 2];  // left, right, up, down
function drawHint(context, factor) {
    const hint = JSON.parse(page.game.view()).searches.hintArrow;
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
    page.game.setRunner(jobs);
    page.game.setDeadEndWarning(storage.get('nerilo/deadEndWarning') === 'true');
    $('deadEndWarning').addEventListener('change', () => {
        storage.set('nerilo/deadEndWarning', String($('deadEndWarning').checked));
        page.game.setDeadEndWarning($('deadEndWarning').checked);
        after();
    });
}

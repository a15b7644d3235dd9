// Finishes a built page for installing and playing offline: makes the app's
// icons from the game's own pictures (the player standing on the floor, each
// art pixel a square), then writes into the service worker (sw.js) the list
// of the page's files and a version made of their hash, so that a page built
// from other files replaces the cache of the one before.
//   node finish-page.js PAGE_FOLDER
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const IconSizes = [192, 512];
const Worker = 'sw.js';

// An 8-bit RGBA PNG, non-interlaced, as the game's pictures are: its pixels.
function readPng(file) {
    const bytes = fs.readFileSync(file);
    let width = 0, height = 0;
    const data = [];
    for (let at = 8; at < bytes.length;) {
        const length = bytes.readUInt32BE(at), type = bytes.toString('latin1', at + 4, at + 8);
        const body = bytes.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            [width, height] = [body.readUInt32BE(0), body.readUInt32BE(4)];
            if (body[8] !== 8 || body[9] !== 6 || body[12] !== 0) throw new Error(`${file}: not an 8-bit RGBA PNG`);
        }
        if (type === 'IDAT') data.push(body);
        at += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * 4, pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
            const value = raw[y * (stride + 1) + 1 + x];
            const a = x >= 4 ? pixels[y * stride + x - 4] : 0, b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
            const c = x >= 4 && y > 0 ? pixels[(y - 1) * stride + x - 4] : 0;
            const p = a + b - c, [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
            const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
            pixels[y * stride + x] = (value + predicted) & 0xff;
        }
    }
    return { width, height, pixels };
}

function crc32(bytes) {
    let crc = ~0;
    for (const byte of bytes) {
        crc ^= byte;
        for (let k = 0; k < 8; ++k) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
    }
    return ~crc >>> 0;
}

function writePng(file, { width, height, pixels }) {
    const chunk = (type, body) => {
        const head = Buffer.alloc(8);
        head.writeUInt32BE(body.length, 0);
        head.write(type, 4, 'latin1');
        const tail = Buffer.alloc(4);
        tail.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])), 0);
        return Buffer.concat([head, body, tail]);
    };
    const header = Buffer.alloc(13);
    header.writeUInt32BE(width, 0);
    header.writeUInt32BE(height, 4);
    header.set([8, 6, 0, 0, 0], 8);
    const rows = [];
    for (let y = 0; y < height; ++y) rows.push(Buffer.from([0]), pixels.subarray(y * width * 4, (y + 1) * width * 4));
    fs.writeFileSync(file, Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
                                          chunk('IDAT', zlib.deflateSync(Buffer.concat(rows))), chunk('IEND', Buffer.alloc(0))]));
}

// The pictures one over the other, each art pixel `scale` pixels square.
function icon(layers, scale) {
    const { width, height } = layers[0];
    const out = { width: width * scale, height: height * scale, pixels: Buffer.alloc(width * height * scale * scale * 4) };
    for (let y = 0; y < out.height; ++y)
        for (let x = 0; x < out.width; ++x) {
            const to = (y * out.width + x) * 4;
            for (const layer of layers) {
                const from = (Math.floor(y / scale) * width + Math.floor(x / scale)) * 4;
                const alpha = layer.pixels[from + 3] / 255;
                for (let k = 0; k < 3; ++k)
                    out.pixels[to + k] = Math.round(layer.pixels[from + k] * alpha + out.pixels[to + k] * (1 - alpha));
                out.pixels[to + 3] = Math.max(out.pixels[to + 3], layer.pixels[from + 3]);
            }
        }
    return out;
}

function filesOf(folder, under = '') {
    const names = [];
    for (const entry of fs.readdirSync(path.join(folder, under), { withFileTypes: true }).sort((a, b) => a.name < b.name ? -1 : 1)) {
        const name = under ? `${under}/${entry.name}` : entry.name;
        if (entry.isDirectory()) names.push(...filesOf(folder, name));
        else names.push(name);
    }
    return names;
}

function finish(folder) {
    const layers = ['ground00', 'player00'].map((name) => readPng(path.join(folder, 'pictures', `${name}.png`)));
    for (const size of IconSizes) writePng(path.join(folder, `icon${size}.png`), icon(layers, size / layers[0].width));
    // nerilo-sim.js is built beside the page for node, not for the page.
    const files = filesOf(folder).filter((name) => name !== Worker && !name.startsWith('nerilo-sim'));
    const hash = crypto.createHash('sha256');
    for (const name of files) hash.update(name).update('\0').update(fs.readFileSync(path.join(folder, name)));
    const worker = path.join(folder, Worker);
    const text = fs.readFileSync(worker, 'utf8')
        .replace(/^const Version = .*$/m, `const Version = '${hash.digest('hex').slice(0, 16)}';`)
        .replace(/^const Files = .*$/m, `const Files = ${JSON.stringify(['./', ...files])};`);
    fs.writeFileSync(worker, text);
}

if (require.main === module) {
    const [folder] = process.argv.slice(2);
    if (!folder || !fs.existsSync(path.join(folder, Worker))) {
        console.error('usage: node finish-page.js PAGE_FOLDER (a built page, with its sw.js)');
        process.exit(2);
    }
    finish(folder);
}

module.exports = { readPng };

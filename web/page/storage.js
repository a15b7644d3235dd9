// The player's files in the browser's storage, which every tab of the page
// shares: data.nrl and records.json byte for byte as the desktop writes
// them, in base64. The engine's file system mirrors them, and the engine's
// own merging writes (model/file_lock.h) go through the shelf below: taking
// the lock brings in what another tab stored a moment ago, and what the write
// left is stored at once. Merging is the engine's alone; the script only
// moves bytes. A file the engine refused and set aside is kept under a key of
// its own, listed with a download button.
'use strict';

const SavedFiles = ['data.nrl', 'records.json'];
const DamagedPrefix = 'nerilo/damaged/';

// localStorage, or nothing where the browser blocks it (some private
// windows): reading it then throws, and the page plays without it.
const storage = {
    blocked: false,
    get(key) {
        try {
            return localStorage.getItem(key);
        } catch {
            this.blocked = true;
            return null;
        }
    },
    // False when the storage refused it (full, or blocked).
    set(key, value) {
        try {
            localStorage.setItem(key, value);
            return true;
        } catch {
            return false;
        }
    },
    remove(key) {
        try {
            localStorage.removeItem(key);
        } catch { /* blocked: nothing was kept */ }
    },
    keys() {
        try {
            return Object.keys(localStorage);
        } catch {
            return [];
        }
    },
};

function toBase64(bytes) {
    let text = '';
    for (const byte of bytes) text += String.fromCharCode(byte);
    return btoa(text);
}

// Stored text that is no base64 (written by hand) is taken as it is: the
// engine refuses it, and it is set aside like any damaged file.
function fromBase64(text) {
    try {
        return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    } catch {
        return new TextEncoder().encode(text);
    }
}

const baseName = (path) => path.slice(path.lastIndexOf('/') + 1);

function readEngineFile(path) {
    try {
        return page.engine.FS.readFile(path);
    } catch {
        return null;
    }
}

function removeEngineFile(path) {
    try {
        page.engine.FS.unlink(path);
    } catch { /* not there */ }
}

// The stored bytes of a player file into the engine's file system; a file no
// longer stored (removed in another tab) is no longer there either.
function bringIn(path) {
    if (storage.blocked) return;
    const kept = storage.get(`nerilo/${baseName(path)}`);
    if (storage.blocked) return;
    if (kept === null) removeEngineFile(path);
    else page.engine.FS.writeFile(path, fromBase64(kept));
}

// The copies set aside first, each under its own key, then the file itself.
// Blocked storage keeps nothing, as the player was told at the start.
function sendBack(path) {
    if (storage.blocked) return true;
    const name = baseName(path);
    const folder = path.slice(0, path.length - name.length);
    let stored = true;
    for (const entry of page.engine.FS.readdir(folder)) {
        if (!entry.startsWith(`${name}.damaged-`)) continue;
        const key = `${DamagedPrefix}${name}/${entry.slice(name.length + '.damaged-'.length)}`;
        if (storage.set(key, toBase64(readEngineFile(folder + entry)))) removeEngineFile(folder + entry);
        else stored = false;
    }
    showDamagedFiles();
    if (!stored) return false;
    const bytes = readEngineFile(path);
    if (bytes === null) {
        storage.remove(`nerilo/${name}`);
        return true;
    }
    return storage.set(`nerilo/${name}`, toBase64(bytes));
}

// At the start: the stored files into the engine's file system, and the
// shelf every write goes through. Blocked storage is told once, with the
// way to keep the progress all the same.
function openStorage() {
    for (const name of SavedFiles) bringIn(ProgramFolder + name);
    page.game.keepFilesOn({ bringIn, sendBack });
    window.addEventListener('storage', takeStoredFile);
    if (storage.blocked) {
        const texts = JSON.parse(page.game.storageTexts());
        message({ title: 'Nerilo', text: texts.blocked, exportButton: texts.export });
    }
}

// Another tab stored a player file: its bytes in, merged into this tab's memory.
function takeStoredFile(event) {
    if (event.key?.startsWith(DamagedPrefix)) return showDamagedFiles();
    const name = event.key?.slice('nerilo/'.length);
    if (!SavedFiles.includes(name) || event.newValue === null) return;
    page.engine.FS.writeFile(ProgramFolder + name, fromBase64(event.newValue));
    page.game.takePlayerFiles();
    refresh();
    updateStageList();
}

function exportSavedFiles() {
    for (const name of SavedFiles) {
        const bytes = readEngineFile(ProgramFolder + name);
        if (bytes) download(name, bytes);
    }
}

// A progress or records file brought back: the engine reads it as it reads
// its own, and merges it with the player's, or refuses it and says why.
async function importSavedFile(file) {
    const records = file.name.endsWith('.json');
    const path = `/imported-${records ? 'records.json' : 'data.nrl'}`;
    page.engine.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    page.game.importPlayerFile(path, file.name, records);
    removeEngineFile(path);
    refresh();
}

// The copies set aside, newest first, each with its download and discard buttons.
function showDamagedFiles() {
    const keys = storage.keys().filter((key) => key.startsWith(DamagedPrefix)).sort().reverse();
    const list = $('damagedFiles');
    list.hidden = keys.length === 0;
    const texts = JSON.parse(page.game.storageTexts());
    list.querySelector('.heading').textContent = texts.damaged;
    const items = list.querySelector('ul');
    items.replaceChildren();
    for (const key of keys) {
        const [name, stamp] = key.slice(DamagedPrefix.length).split('/');
        const item = document.createElement('li');
        const label = document.createElement('span');
        label.textContent = `${name} ${stamp}`;
        const save = document.createElement('button');
        save.textContent = texts.download;
        save.addEventListener('click', () => {
            const kept = storage.get(key);
            if (kept !== null) download(`${name}.damaged-${stamp}`, fromBase64(kept));
        });
        const discard = document.createElement('button');
        discard.textContent = texts.discard;
        discard.addEventListener('click', () => {
            storage.remove(key);
            showDamagedFiles();
        });
        item.append(label, save, discard);
        items.append(item);
    }
}

function download(name, bytes) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes]));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

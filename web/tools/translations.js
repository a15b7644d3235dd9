// Converts a Qt Linguist file (translations/nerilo_en.ts) into the page's
// JSON: {"context": {"Japanese pattern": "English pattern"}}, the same
// translations as the desktop's, without Qt.
//   node translations.js INPUT.ts OUTPUT.json
// Uses Debian's node-xml2js (NODE_PATH=/usr/share/nodejs).
'use strict';
const fs = require('fs');
const xml2js = require('xml2js');

const [input, output] = process.argv.slice(2);
if (!input || !output) {
    console.error('usage: node translations.js INPUT.ts OUTPUT.json');
    process.exit(2);
}
xml2js.parseString(fs.readFileSync(input, 'utf8'), { explicitArray: true }, (error, ts) => {
    if (error) {
        console.error(`translations.js: ${input}: ${error.message}`);
        process.exit(2);
    }
    const patterns = {};
    for (const context of ts.TS.context || []) {
        const name = context.name[0];
        const messages = (patterns[name] ??= {});
        for (const message of context.message || []) {
            const translation = message.translation[0];
            // An unfinished translation is shown in Japanese, as Qt does.
            const text = typeof translation === 'string' ? translation : translation._ ?? '';
            const unfinished = typeof translation === 'object' && translation.$ && translation.$.type === 'unfinished';
            if (text && !unfinished) messages[message.source[0]] = text;
        }
    }
    fs.writeFileSync(output, JSON.stringify(patterns));
});

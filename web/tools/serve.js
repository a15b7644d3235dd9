// Serves a built page on localhost, as any static host would serve it.
//   node serve.js FOLDER [PORT]     (PORT 0: any free one; the address is printed)
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const Types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
    '.wasm': 'application/wasm', '.png': 'image/png', '.txt': 'text/plain', '.wav': 'audio/wav',
    '.webmanifest': 'application/manifest+json',
};

function serve(folder, port = 0) {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
        if (!file.startsWith(root + path.sep)) return response.writeHead(403).end();
        fs.readFile(file, (error, bytes) => {
            if (error) return response.writeHead(404).end();
            response.writeHead(200, { 'Content-Type': Types[path.extname(file)] || 'application/octet-stream' });
            response.end(bytes);
        });
    });
    return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

module.exports = { serve };

if (require.main === module) {
    const [folder, port] = process.argv.slice(2);
    if (!folder || !fs.existsSync(folder)) {
        console.error('usage: node serve.js FOLDER [PORT]');
        process.exit(2);
    }
    serve(folder, Number(port || 8000)).then((server) =>
        console.log(`Nerilo: http://localhost:${server.address().port}/`));
}

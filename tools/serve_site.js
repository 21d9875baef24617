// SPDX-License-Identifier: MIT
// A small static server for the built site, on 127.0.0.1 only: a browser fetches WebAssembly
// only over HTTP, with its own type, and allows service workers only on a secure origin, which
// the loopback address is. The tests start it in their own process; ./run.sh --web runs it.
//
// Usage: node serve_site.js FOLDER [PORT] [--open]   (no port: 8080 if free, else a free one;
// --open: in the desktop's browser)
"use strict";

const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const zlib = require("node:zlib");
const {spawn} = require("node:child_process");

// PNG and the font are compressed already; the rest goes gzipped where the browser takes it,
// as a host sends it.
const PACKED = new Set([".png", ".ttf"]);
const TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".ttf": "font/ttf",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".css": "text/css; charset=utf-8",
};

/// Serves folder; requests are recorded in `served` ({path, at}: when, in ms since the epoch)
/// for the tests and the benchmark that ask what was loaded. Resolves to {server, url, served}.
function serve(folder, port = 0) {
    const root = path.resolve(folder);
    const served = [];
    const server = http.createServer((request, response) => {
        let name;
        try {
            name = decodeURIComponent(new URL(request.url, "http://host").pathname);
        } catch {
            name = "\0";
        }
        served.push({path: name, at: Date.now()});
        if (name.endsWith("/")) {
            name += "index.html";
        }
        const file = path.join(root, path.normalize(name));
        // Nothing outside the folder, whatever the path says.
        const reading = request.method === "GET" || request.method === "HEAD";
        if (!file.startsWith(root + path.sep) || !reading) {
            response.writeHead(404).end();
            return;
        }
        fs.readFile(file, (error, body) => {
            if (error) {
                response.writeHead(404, {"Content-Type": "text/plain"}).end("Not found\n");
                return;
            }
            const gzip = !PACKED.has(path.extname(file)) &&
                /\bgzip\b/.test(request.headers["accept-encoding"] || "");
            if (gzip) {
                body = zlib.gzipSync(body);
            }
            response.writeHead(200, {
                "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
                "Content-Length": body.length,
                ...(gzip ? {"Content-Encoding": "gzip"} : {}),
                "Vary": "Accept-Encoding",
                // Always asked again: a rebuilt site shows at once.
                "Cache-Control": "no-cache",
            });
            response.end(request.method === "HEAD" ? undefined : body);
        });
    });
    return new Promise((resolve, reject) => {
        server.once("error", reject);
        server.listen(port, "127.0.0.1", () => {
            const url = `http://127.0.0.1:${server.address().port}/`;
            resolve({server, url, served});
        });
    });
}

module.exports = {serve};

/// Opens url in the desktop's browser, when there is a desktop and xdg-open.
function openInBrowser(url) {
    if (!process.env.DISPLAY && !process.env.WAYLAND_DISPLAY) {
        return;
    }
    const opener = spawn("xdg-open", [url], {detached: true, stdio: "ignore"});
    opener.on("error", () => console.log("Open it in a browser (xdg-open is not installed)."));
    opener.unref();
}

if (require.main === module) {
    const args = process.argv.slice(2);
    const open = args.includes("--open");
    const [folder, port] = args.filter((arg) => arg !== "--open");
    if (!folder || !fs.existsSync(path.join(folder, "index.html"))) {
        console.error("usage: node serve_site.js SITE_FOLDER [PORT] [--open]");
        process.exit(2);
    }
    // 8080 when it is free: the same address each time keeps what the browser installed.
    const start = (ports) => serve(folder, ports[0]).then(({url}) => {
        console.log(`Varnik Calculator is served at ${url} (Ctrl+C stops it)`);
        if (open) {
            openInBrowser(url);
        }
    }, (error) => {
        if (error.code === "EADDRINUSE" && ports.length > 1) {
            return start(ports.slice(1));
        }
        console.error(`serve_site.js: ${error.message}`);
        process.exit(1);
    });
    start(port === undefined ? [8080, 0] : [Number(port)]);
}

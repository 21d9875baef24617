// SPDX-License-Identifier: MIT
// Takes the README's screenshot of the web calculator as a phone shows it: the built site in
// headless Chromium on a 390 by 844 viewport at 3 device pixels per pixel, with touch; a
// number tapped in on the keys, the last key still lit from its tap.
// Usage: node tools/web_screenshot.js SITE_FOLDER LAYOUT.json OUTPUT.png
// (NODE_PATH=tests/web/node_modules, where scripts/install-deps.sh web puts puppeteer-core)
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");
const {serve} = require("./serve_site.js");

async function main([site, layoutFile, output]) {
    const layout = JSON.parse(fs.readFileSync(layoutFile, "utf8"));
    const {server, url} = await serve(site);
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "varnik-screenshot-"));
    const browser = await puppeteer.launch({executablePath: "/usr/bin/chromium", headless: true,
        userDataDir: profile, args: ["--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--lang=en-US"]});
    try {
        const page = await browser.newPage();
        await page.setViewport({width: 390, height: 844, deviceScaleFactor: 3, isMobile: true,
            hasTouch: true});
        await page.goto(url);
        await page.waitForFunction(() => document.activeElement?.id === "cmdabout"); // started
        // Where a key is on the screen: the window is scaled to the viewport and centred.
        const window = await (await page.$("#Form1")).boundingBox();
        const scale = window.width / layout.client.pixels[2];
        for (const action of "1971.25") {
            const [left, top, width, height] = layout.skinKeys.find((k) => k.action === action).pixels;
            await page.touchscreen.tap(window.x + (left + width / 2) * scale,
                window.y + (top + height / 2) * scale);
        }
        await page.waitForFunction(() => document.fonts.status === "loaded");
        await new Promise((resolve) => setTimeout(resolve, 300)); // the lit pictures arrive
        await page.screenshot({path: output});
    } finally {
        await browser.close();
        server.close();
        fs.rmSync(profile, {recursive: true, force: true});
    }
}

main(process.argv.slice(2)).catch((error) => {
    console.error(error);
    process.exit(1);
});

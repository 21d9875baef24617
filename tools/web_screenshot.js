// SPDX-License-Identifier: MIT
// Takes the web calculator's screenshots from the built site in headless Chromium: the README's
// as a phone shows it (390 by 844 at 3 device pixels per pixel, with touch), and with a folder
// also the two that an install prompt shows (assets/screenshots/: narrow, a phone at 2x; wide, a
// desktop browser at 1280 by 800). Each has a number keyed in on the pictures, the last key
// still lit.
// Usage: node tools/web_screenshot.js SITE_FOLDER LAYOUT.json README.png [SCREENSHOTS_FOLDER]
// (NODE_PATH=tests/web/node_modules, where scripts/install-deps.sh web puts puppeteer-core)
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");
const {serve} = require("./serve_site.js");

const NUMBER = "1971.25";

async function shoot(browser, url, layout, {file, width, height, scale, touch}) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.setViewport({width, height, deviceScaleFactor: scale, isMobile: touch, hasTouch: touch});
        await page.goto(url);
        await page.waitForFunction(() => document.activeElement?.id === "cmdabout"); // started
        // Where a key is on the screen: the window is scaled to the viewport and centred.
        const window = await (await page.$("#Form1")).boundingBox();
        const ratio = window.width / layout.client.pixels[2];
        for (const action of NUMBER) {
            const [left, top, w, h] = layout.skinKeys.find((k) => k.action === action).pixels;
            const [x, y] = [window.x + (left + w / 2) * ratio, window.y + (top + h / 2) * ratio];
            await (touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
        }
        await page.waitForFunction(() => document.fonts.status === "loaded");
        await page.waitForFunction(() => document.getElementById("Form1").classList.contains("painted"));
        await new Promise((resolve) => setTimeout(resolve, 300)); // the lit pictures are drawn
        await page.screenshot({path: file});
    } finally {
        await context.close();
    }
}

async function main([site, layoutFile, readme, folder]) {
    const layout = JSON.parse(fs.readFileSync(layoutFile, "utf8"));
    const shots = [{file: readme, width: 390, height: 844, scale: 3, touch: true}];
    if (folder) {
        shots.push({file: path.join(folder, "narrow.png"), width: 390, height: 844, scale: 2, touch: true},
            {file: path.join(folder, "wide.png"), width: 1280, height: 800, scale: 1, touch: false});
    }
    const {server, url} = await serve(site);
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "varnik-screenshot-"));
    const browser = await puppeteer.launch({executablePath: "/usr/bin/chromium", headless: true,
        userDataDir: profile, args: ["--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--lang=en-US"]});
    try {
        for (const shot of shots) {
            await shoot(browser, url, layout, shot);
        }
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

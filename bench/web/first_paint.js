// SPDX-License-Identifier: MIT
// First paint of the web calculator against the yardstick page (bench/web/minimal.*), in
// headless Chromium: both sites served from 127.0.0.1, loaded alternately, each load in a
// fresh browser context (an empty cache, no service worker), as on a first visit.
//
// A page counts as painted at the later of two moments: its largest contentful paint (the
// calculator's key pictures; the yardstick's line) and the first frame after its program has
// started (the calculator's About button focused; the yardstick's line written). Also
// reported: first contentful paint, and what reached the server by the painted moment, with
// each file's size gzipped as a server would send it.
//
// Usage: node first_paint.js CALCULATOR_SITE YARDSTICK_SITE [RUNS, default 9]
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
const puppeteer = require("puppeteer-core");
const {serve} = require("../../tools/serve_site.js");

const [calculatorSite, yardstickSite, runsText = "9"] = process.argv.slice(2);
const runs = Number(runsText);

// Runs in the page from its first moment: the paint entries, and a frame loop that notes the
// first frame at which ready() holds.
const PROBE = (ready) => `
    window.firstPaint = {fcp: 0, lcp: 0, ready: 0};
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) {
            if (entry.name === "first-contentful-paint") firstPaint.fcp = entry.startTime;
        }
    }).observe({type: "paint", buffered: true});
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) firstPaint.lcp = entry.renderTime || entry.loadTime;
    }).observe({type: "largest-contentful-paint", buffered: true});
    const frame = (time) => {
        if (${ready}) firstPaint.ready = time; else requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);`;
const PAGES = {
    yardstick: {site: yardstickSite, ready: `document.getElementById("line")?.textContent`},
    calculator: {site: calculatorSite, ready: `document.activeElement?.id === "cmdabout"`},
};

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

async function load(browser, page, {url, served}) {
    const start = Date.now();
    const context = await browser.createBrowserContext();
    const tab = await context.newPage();
    await tab.setViewport({width: 390, height: 844, deviceScaleFactor: 1});
    await tab.evaluateOnNewDocument(PROBE(PAGES[page].ready));
    await tab.goto(url);
    await tab.waitForFunction(() => firstPaint.ready && firstPaint.lcp && firstPaint.fcp, {polling: 10});
    // Let a later, larger paint report itself.
    await new Promise((resolve) => setTimeout(resolve, 100));
    const result = await tab.evaluate(() => ({...firstPaint,
        painted: Math.max(firstPaint.ready, firstPaint.lcp), origin: performance.timeOrigin}));
    await context.close();
    // Whatever reached the server before the painted moment, whoever asked for it.
    result.files = served.filter((request) => request.at >= start &&
        request.at <= result.origin + result.painted).map((request) => request.path);
    return result;
}

function gzipped(site, files) {
    return files.map((file) => {
        const name = file.endsWith("/") ? file + "index.html" : file;
        const body = fs.readFileSync(path.join(site, name));
        return {name: name.slice(1), bytes: body.length, gzip: zlib.gzipSync(body, {level: 9}).length};
    });
}

async function main() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "varnik-bench-"));
    const browser = await puppeteer.launch({executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        headless: true, userDataDir: profile, args: ["--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync"]});
    const servers = {};
    for (const page of Object.keys(PAGES)) {
        servers[page] = await serve(PAGES[page].site);
    }
    const results = {yardstick: [], calculator: []};
    try {
        // One unmeasured load each warms the browser and the disk cache.
        for (const page of Object.keys(PAGES)) {
            await load(browser, page, servers[page]);
        }
        for (let run = 0; run < runs; ++run) {
            for (const page of Object.keys(PAGES)) {
                results[page].push(await load(browser, page, servers[page]));
            }
        }
    } finally {
        await browser.close();
        Object.values(servers).forEach(({server}) => server.close());
        fs.rmSync(profile, {recursive: true, force: true});
    }

    const ms = (value) => `${value.toFixed(1)} ms`;
    console.log(`Navigation to first painted page, median of ${runs} alternating runs ` +
        `(headless Chromium, 390 x 844, ${os.cpus().length} cores, load ${os.loadavg()[0].toFixed(2)})`);
    console.log("page          painted      first contentful paint  program's first frame");
    for (const page of Object.keys(PAGES)) {
        const median_ = (key) => ms(median(results[page].map((r) => r[key])));
        console.log(`${page.padEnd(13)} ${median_("painted").padEnd(12)} ${median_("fcp").padEnd(23)} ` +
            median_("ready"));
    }
    const ratio = median(results.calculator.map((r) => r.painted)) /
        median(results.yardstick.map((r) => r.painted));
    console.log(`ratio         ${ratio.toFixed(2)} (target at most 1.5)`);

    // What the calculator's server had been asked for by its painted moment, in the last run.
    const files = gzipped(calculatorSite, results.calculator[runs - 1].files);
    console.log("\nRequested by the calculator before it was painted:");
    for (const file of files) {
        console.log(`  ${file.name.padEnd(20)} ${String(file.bytes).padStart(8)} B  ` +
            `${String(file.gzip).padStart(7)} B gzip`);
    }
    const total = files.reduce((sum, file) => sum + file.gzip, 0) / 1024;
    console.log(`  total ${total.toFixed(1)} KiB gzip (target at most 100 KiB)`);
    process.exitCode = ratio <= 1.5 && total <= 100 ? 0 : 1;
}

main().catch((error) => {
    console.error(error);
    process.exit(2);
});

// SPDX-License-Identifier: MIT
// Lighthouse against the built site, served from 127.0.0.1 as a host serves it (compressed),
// with the system's Chromium: the four category scores for the mobile and the desktop profile,
// the cumulative layout shift, and every audit that fails in accessibility, best practices and
// SEO. Goals: performance at least 98 on both, best practices and SEO 100, and accessibility
// failing nothing but the link's described colour (its contrast on the cream face is 1.49).
//
// Usage: node lighthouse.js SITE_FOLDER   (exit status 1 when a goal is missed)
"use strict";

const {execFile} = require("node:child_process");
const os = require("node:os");
const path = require("node:path");
const {serve} = require("../../tools/serve_site.js");

// Lighthouse in a folder of its own: its puppeteer-core is not the first-paint benchmark's.
const CLI = path.join(__dirname, "lighthouse", "node_modules", "lighthouse", "cli", "index.js");
const CATEGORIES = ["performance", "accessibility", "best-practices", "seo"];
// The web link keeps its described rest colour, which no contrast rule accepts.
const DESCRIBED = new Set(["accessibility color-contrast"]);

function lighthouse(url, profile) {
    const args = [CLI, url, "--output=json", "--output-path=stdout", "--quiet",
        "--chrome-flags=--headless=new --no-sandbox --disable-gpu",
        `--only-categories=${CATEGORIES.join(",")}`];
    if (profile === "desktop") {
        args.push("--preset=desktop");
    }
    const env = {...process.env, CHROME_PATH: process.env.CHROMIUM || "/usr/bin/chromium"};
    return new Promise((resolve, reject) => {
        execFile(process.execPath, args, {env, maxBuffer: 64 << 20}, (error, stdout, stderr) =>
            (error ? reject(new Error(`lighthouse: ${stderr || error.message}`)) : resolve(JSON.parse(stdout))));
    });
}

/// The audits of a category that score below 1, as "category audit-id".
function failed(report, category) {
    return report.categories[category].auditRefs
        .filter((ref) => ref.weight > 0 && report.audits[ref.id].score !== null &&
            report.audits[ref.id].score < 1)
        .map((ref) => `${category} ${ref.id}`);
}

async function main(site) {
    const {server, url} = await serve(site);
    let missed = false;
    try {
        console.log(`Lighthouse ${require(path.join(path.dirname(CLI), "..", "package.json")).version}` +
            ` against ${site} (${os.cpus().length} cores, load ${os.loadavg()[0].toFixed(2)})`);
        console.log("profile   performance  accessibility  best practices  SEO   layout shift");
        const failures = [];
        for (const profile of ["mobile", "desktop"]) {
            const report = await lighthouse(url, profile);
            const scores = CATEGORIES.map((c) => Math.round(report.categories[c].score * 100));
            const shift = report.audits["cumulative-layout-shift"].numericValue;
            console.log(`${profile.padEnd(9)} ${String(scores[0]).padEnd(12)} ${String(scores[1]).padEnd(14)} ` +
                `${String(scores[2]).padEnd(15)} ${String(scores[3]).padEnd(5)} ${shift}`);
            const unexpected = CATEGORIES.slice(1).flatMap((c) => failed(report, c))
                .filter((audit) => !DESCRIBED.has(audit));
            failures.push(...unexpected.map((audit) => `${profile}: ${audit}`));
            missed ||= scores[0] < 98 || scores[2] < 100 || scores[3] < 100 || unexpected.length > 0;
        }
        for (const failure of failures) {
            console.log(`  failed: ${failure}`);
        }
        console.log("goals: performance >= 98, best practices and SEO 100, accessibility failing only " +
            "the link's described colour");
    } finally {
        server.close();
    }
    process.exitCode = missed ? 1 : 0;
}

main(process.argv[2]).catch((error) => {
    console.error(error.message);
    process.exit(2);
});

// SPDX-License-Identifier: MIT
// The shared end-to-end scenarios (tests/scenarios/scenarios.json) on the web calculator in
// Chromium, each on a fresh page; the page's own tests are test_page.js's, run beside these.
//
// Usage: node test_scenarios.js --site build/web/site --layout layout.json --assets assets
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const {describe, it} = require("node:test");
const {options, pageTests} = require("./page_driver.js");

const {onPage} = pageTests(options());
const scenarios = JSON.parse(fs.readFileSync(
    path.join(__dirname, "..", "scenarios", "scenarios.json"), "utf8")).scenarios;

describe("the shared scenarios", () => {
    for (const scenario of scenarios) {
        it(scenario.name, onPage((c) => c.run(scenario)));
    }
});

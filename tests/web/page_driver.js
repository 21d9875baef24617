// SPDX-License-Identifier: MIT
// Drives the web calculator as a person and a screen reader would: the system's Chromium,
// headless, with real mouse, touch and key input over the DevTools protocol; the page read
// back through the accessibility tree, the clipboard and screenshots, never through the
// page's own variables. It is also the web's driver of the shared end-to-end scenarios
// (tests/scenarios/scenarios.json).
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");
const {Image, SkinReader} = require("./pictures.js");

const CHROMIUM = process.env.CHROMIUM || "/usr/bin/chromium";
const FLAGS = ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--lang=en-US"]; // the page in English
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

/// --site, --layout and --assets from the command line.
function options() {
    const wanted = {};
    for (let i = 2; i < process.argv.length - 1; i += 2) {
        wanted[process.argv[i].replace(/^--/, "")] = process.argv[i + 1];
    }
    for (const name of ["site", "layout", "assets"]) {
        assert.ok(wanted[name], `usage: --site DIR --layout FILE --assets DIR (no --${name})`);
    }
    return {...wanted, layout: JSON.parse(fs.readFileSync(wanted.layout, "utf8"))};
}

/// Chromium with a profile of its own; close() ends it and removes the profile.
async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "varnik-chromium-"));
    const browser = await puppeteer.launch({executablePath: CHROMIUM, headless: true, args: FLAGS,
        userDataDir: profile});
    browser.closeAll = async () => {
        await browser.close();
        fs.rmSync(profile, {recursive: true, force: true});
    };
    return browser;
}

/// Reads what is true now until it equals `expected`, for at most `seconds`.
async function pollEqual(label, read, expected, seconds = 5) {
    const end = Date.now() + seconds * 1000;
    let value;
    while (true) {
        value = await read();
        if (JSON.stringify(value) === JSON.stringify(expected) || Date.now() > end) {
            break;
        }
        await sleep(25);
    }
    assert.deepEqual(value, expected, label);
}

/// The X key names of the scenarios as the browser's; anything else is its own name.
const X_KEYS = {Return: "Enter", space: "Space", period: ".", plus: "+", minus: "-",
    asterisk: "*", slash: "/", equal: "=", BackSpace: "Backspace", Menu: "ContextMenu",
    Up: "ArrowUp", Down: "ArrowDown", KP_Enter: "NumpadEnter", KP_Multiply: "NumpadMultiply"};
const X_MODIFIERS = {ctrl: "Control", shift: "Shift", alt: "Alt"};
const TYPED = {".": "period", "+": "plus", "-": "minus", "*": "asterisk", "/": "slash",
    "=": "equal", " ": "space"};

/// One calculator page in a fresh browser context (its own storage and service worker).
class Calculator {
    /// `view`: width, height (CSS pixels), scale (device pixels per CSS pixel), touch (a phone
    /// or tablet), the browser's languages ("bn-BD,bn"), the page's query ("?lang=en"), files
    /// the network refuses (["varnik.wasm"]), a browser without WebAssembly (noWebAssembly) and
    /// whether to wait for the calculator to start.
    /// `requests` hears every request of the page.
    static async open(browser, url, layout, assets, view = {}, requests = () => {}) {
        const {width = 206, height = 232, scale = 1, touch = false, languages, query = "",
            refused = [], noWebAssembly = false, started = true} = view;
        const context = await browser.createBrowserContext();
        await context.overridePermissions(new URL(url).origin,
            ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
        const page = await context.newPage();
        const errors = [];
        page.on("pageerror", (error) => errors.push(error.message));
        page.on("request", requests);
        const obstacles = {refused: [...refused]};
        if (refused.length) {
            await page.setRequestInterception(true);
            page.on("request", (request) => (obstacles.refused.includes(
                new URL(request.url()).pathname.slice(1)) ? request.abort() : request.continue()));
        }
        if (noWebAssembly) {
            obstacles.script = await page.evaluateOnNewDocument(() => delete window.WebAssembly);
        }
        // What the browser counts as the page's layout shifts, from its first moment.
        await page.evaluateOnNewDocument(() => {
            window.layoutShift = 0;
            new PerformanceObserver((list) => list.getEntries().forEach((entry) => {
                window.layoutShift += entry.value;
            })).observe({type: "layout-shift", buffered: true});
        });
        await page.setViewport({width, height, deviceScaleFactor: scale, hasTouch: touch,
            isMobile: touch});
        if (languages) {
            // What navigator.languages says, as a browser set to these languages says it.
            const session = await page.createCDPSession();
            await session.send("Emulation.setUserAgentOverride",
                {userAgent: await browser.userAgent(), acceptLanguage: languages});
        }
        const calculator = new Calculator(context, page, layout, new SkinReader(layout, assets,
            scale));
        calculator.errors = errors;
        calculator.obstacles = obstacles;
        await page.goto(url + query);
        if (started) {
            await calculator.expectStarted();
        }
        return calculator;
    }

    /// Started: the focus rests on About, named in the page's language.
    async expectStarted() {
        await pollEqual("the focus on a hidden button", async () =>
            (await this.focused())?.startsWith("button:"), true);
    }

    constructor(context, page, layout, skin) {
        Object.assign(this, {context, page, layout, skin, pointer: null});
    }

    /// The refused files and WebAssembly are back, for what the page loads from now on.
    async removeObstacles() {
        this.obstacles.refused = [];
        if (this.obstacles.script) {
            await this.page.removeScriptToEvaluateOnNewDocument(this.obstacles.script.identifier);
        }
    }

    async close() {
        await this.context.close();
        assert.deepEqual(this.errors, [], "errors on the page");
    }

    // Reading back, as a screen reader does

    /// Every node of the accessibility tree, flattened in document order.
    async nodes(interestingOnly = true) {
        const all = [];
        const walk = (node) => {
            all.push(node);
            (node.children || []).forEach(walk);
        };
        walk((await this.page.accessibility.snapshot({interestingOnly})) || {});
        return all;
    }

    async display() {
        const node = (await this.nodes()).find((n) => n.role === "textbox" && n.name === "Display");
        return node ? node.value || "" : undefined;
    }

    async focused() {
        const node = (await this.nodes()).find((n) => n.focused);
        return node ? `${node.role}:${node.name}` : null;
    }

    async boxes() {
        return (await this.nodes()).filter((n) => n.role === "alertdialog").map((n) => n.name);
    }

    async screenshot() {
        return Image.fromPng(Buffer.from(await this.page.screenshot({type: "png"})));
    }

    async keyPicture(action) {
        return this.skin.picture(await this.screenshot(), action);
    }

    async clipboard() {
        return this.page.evaluate(() => navigator.clipboard.readText());
    }

    // Acting, as a person does

    rect(action) {
        return this.layout.skinKeys.find((k) => k.action === action).pixels;
    }

    centre(action) {
        const [left, top, width, height] = this.rect(action);
        return [left + Math.floor(width / 2), top + Math.floor(height / 2)];
    }

    /// A skin key by action, "bare" (the bare window right of the one key) or "link".
    point(where) {
        if (where === "bare") {
            return [this.rect("1")[0] + 32, this.centre("1")[1]];
        }
        if (where === "link") {
            const [left, top, width, height] = this.layout.link.pixels;
            return [left + Math.floor(width / 2), top + Math.floor(height / 2)];
        }
        return this.centre(where);
    }

    async clickSkin(action) {
        await this.move(action);
        await this.clickHere();
    }

    /// Presses keys in turn, each by its X name ("Tab", "ctrl+shift+c", "KP_7").
    async key(...names) {
        const keyboard = this.page.keyboard;
        for (const name of names) {
            const parts = name.split("+");
            const key = parts.pop();
            const modifiers = parts.map((m) => X_MODIFIERS[m]);
            for (const modifier of modifiers) {
                await keyboard.down(modifier);
            }
            const numpad = /^KP_(\d)$/.exec(key);
            if (numpad) { // with Num Lock on, which the browser's own table leaves off
                await this.rawKey(numpad[1], `Numpad${numpad[1]}`, 96 + Number(numpad[1]), 3);
            } else {
                await keyboard.press(X_KEYS[key] || key);
            }
            for (const modifier of modifiers.reverse()) {
                await keyboard.up(modifier);
            }
        }
    }

    /// A key the browser's own key table lacks (the keypad's digits, a Bengali layout's).
    async rawKey(key, code, keyCode, location = 0) {
        this.cdp = this.cdp || (await this.page.createCDPSession());
        const event = {key, code, windowsVirtualKeyCode: keyCode, location};
        await this.cdp.send("Input.dispatchKeyEvent", {type: "keyDown", text: key, ...event});
        await this.cdp.send("Input.dispatchKeyEvent", {type: "keyUp", ...event});
    }

    async type(text) {
        await this.key(...[...text].map((c) => TYPED[c] || c));
    }

    /// What a screen reader calls the hidden button with this caption; a name that is no
    /// caption ("OK") stays as it is.
    buttonName(caption) {
        const button = this.layout.commandButtons.find((b) => b.caption === caption);
        return button ? button.accessibleName : caption;
    }

    /// Tabs to the hidden button with this caption: as often as the Tab order of the enabled
    /// buttons needs, then checks the focus.
    async tabTo(caption) {
        const nodes = await this.nodes();
        const enabled = new Set(nodes.filter((n) => n.role === "button" && !n.disabled)
            .map((n) => n.name));
        const cycle = this.layout.commandButtons.map((b) => b.accessibleName)
            .filter((c) => enabled.has(c));
        const from = cycle.indexOf(nodes.find((n) => n.focused).name);
        const steps = (cycle.indexOf(this.buttonName(caption)) - from + cycle.length) % cycle.length;
        await this.key(...Array(steps).fill("Tab"));
        await this.expectFocus(caption);
    }

    // The scenarios' verbs (see tests/scenarios/scenarios.py)

    async move(where) {
        this.pointer = this.point(where);
        await this.page.mouse.move(...this.pointer);
    }

    async clickHere() {
        await this.page.mouse.click(...this.pointer);
    }

    async doubleClickHere() {
        await this.page.mouse.click(...this.pointer, {count: 2});
    }

    async pressButtons(...captions) {
        for (const caption of captions) {
            await this.tabTo(caption);
            await this.key("space");
        }
    }

    async expectDisplay(text) {
        await pollEqual("the display", () => this.display(), text);
    }

    async expectPicture(action, kind) {
        await pollEqual(`the picture of key ${action}`, () => this.keyPicture(action), kind);
    }

    async expectFocusMark(action) {
        await pollEqual("the focus mark", async () => this.skin.marked(await this.screenshot()),
            action ? [action] : []);
    }

    async expectFocus(caption) {
        await pollEqual("the focused button", () => this.focused(), `button:${this.buttonName(caption)}`);
    }

    async offerClipboard(text) {
        await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
    }

    async expectClipboard(text) {
        await pollEqual("the clipboard", () => this.clipboard(), text);
    }

    /// Runs one scenario of scenarios.json.
    async run(scenario) {
        const verbs = {
            move: (p) => this.move(p),
            click: async (p) => (await this.move(p), this.clickHere()),
            clickHere: () => this.clickHere(),
            doubleClick: async (p) => (await this.move(p), this.doubleClickHere()),
            key: (...names) => this.key(...names),
            type: (text) => this.type(text),
            buttons: (...captions) => this.pressButtons(...captions),
            display: (text) => this.expectDisplay(text),
            picture: (key, kind) => this.expectPicture(key, kind),
            focusMark: (key) => this.expectFocusMark(key),
            focus: (caption) => this.expectFocus(caption),
            offerClipboard: (text) => this.offerClipboard(text),
            clipboard: (text) => this.expectClipboard(text),
        };
        for (const [verb, ...args] of scenario.steps) {
            assert.ok(verbs[verb], `unknown step ${verb} in ${scenario.name}`);
            await verbs[verb](...args);
        }
    }
}

module.exports = {Calculator, launch, options, pollEqual, sleep};

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
const {after, before} = require("node:test");
const puppeteer = require("puppeteer-core");
const {Image, SkinReader} = require("./pictures.js");
const {serve} = require("../../tools/serve_site.js");

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

/// Reads what is true now until accept(value), for at most `seconds`, and returns that value.
/// A read that throws has no answer yet (the page navigating, the clipboard not readable yet);
/// it fails only at the time limit, with the last value or reason seen. `wanted` says what
/// was awaited, for that message.
async function poll(label, read, seconds = 10, accept = Boolean, wanted = "it") {
    const end = Date.now() + seconds * 1000;
    for (;;) {
        let seen;
        try {
            const value = await read();
            if (accept(value)) {
                return value;
            }
            seen = JSON.stringify(value);
        } catch (error) {
            if (error instanceof assert.AssertionError) {
                throw error;
            }
            seen = `no answer yet (${error.message})`;
        }
        if (Date.now() > end) {
            assert.fail(`timed out after ${seconds} s waiting for ${label}: expected ${wanted}, ` +
                `last seen ${seen}`);
        }
        await sleep(25);
    }
}

/// Reads what is true now until it equals `expected` (see poll).
async function pollEqual(label, read, expected, seconds = 10) {
    const wanted = JSON.stringify(expected);
    return poll(label, read, seconds, (value) => JSON.stringify(value) === wanted, wanted);
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

    /// The open box as {title, prompt, buttons}, or null. The prompt is what a person sees in
    /// it besides the title and the button: the box also holds a reason for screen readers
    /// only, drawn on no pixel.
    async box() {
        const dialog = (await this.nodes()).find((n) => n.role === "alertdialog");
        const element = dialog && (await this.page.$('aria/[role="alertdialog"]'));
        if (!element) {
            return null;
        }
        const inside = [];
        const walk = (node) => (node.children || []).forEach((child) => {
            inside.push(child);
            walk(child);
        });
        walk(dialog);
        const shown = await element.evaluate((box) => {
            const texts = [];
            const walker = document.createTreeWalker(box, NodeFilter.SHOW_TEXT);
            for (let text = walker.nextNode(); text; text = walker.nextNode()) {
                const {width, height} = text.parentElement.getBoundingClientRect();
                if (text.textContent.trim() && width > 1 && height > 1 &&
                    !text.parentElement.closest("button")) {
                    texts.push(text.textContent);
                }
            }
            return texts;
        });
        return {title: dialog.name, prompt: shown.filter((t) => t !== dialog.name).join("\n"),
            buttons: inside.filter((n) => n.role === "button").map((n) => n.name)};
    }

    /// The hidden buttons as [caption, enabled], in document order: after the skin's keys,
    /// whose twins among them share their names.
    async buttons() {
        const names = new Set(this.layout.commandButtons.map((b) => b.accessibleName));
        const shown = (await this.nodes()).filter((n) => n.role === "button" && names.has(n.name));
        return shown.slice(-this.layout.commandButtons.length)
            .map((n) => [this.captionOf(n.name), !n.disabled]);
    }

    /// How many pixels of the web link's text are blue.
    async blueLinkPixels() {
        const shot = await this.screenshot();
        const [left, top, width, height] = this.layout.link.pixels;
        let blue = 0;
        for (let y = top; y < Math.min(top + height, shot.height); ++y) {
            for (let x = left; x < left + width; ++x) {
                const rgb = shot.at(x, y);
                blue += (rgb & 255) - Math.max(rgb >> 16, (rgb >> 8) & 255) > 100;
            }
        }
        return blue;
    }

    async screenshot() {
        return Image.fromPng(Buffer.from(await this.page.screenshot({type: "png"})));
    }

    async keyPicture(action) {
        return this.skin.picture(await this.screenshot(), action);
    }

    async litKeys() {
        const shot = await this.screenshot();
        return this.layout.skinKeys.map((k) => k.action)
            .filter((action) => this.skin.picture(shot, action) === "highlight");
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

    /// The caption of the hidden button a screen reader calls by this name; a name that is no
    /// button's ("OK") stays as it is.
    captionOf(name) {
        const button = this.layout.commandButtons.find((b) => b.accessibleName === name);
        return button ? button.caption : name;
    }

    /// The caption of the focused hidden button (or the name of another focused control).
    async focusedCaption() {
        const node = (await this.nodes()).find((n) => n.focused);
        return node ? this.captionOf(node.name) : null;
    }

    /// The hidden buttons' captions in Tab order from About, the enabled ones only.
    async tabCycle() {
        const enabled = new Set((await this.buttons()).filter(([, on]) => on).map(([c]) => c));
        const captions = this.layout.commandButtons.map((b) => b.caption);
        const about = captions.indexOf("About ");
        return [...captions.slice(about), ...captions.slice(0, about)].filter((c) => enabled.has(c));
    }

    /// Tabs to the hidden button with this caption: as often as the Tab order of the enabled
    /// buttons needs, then checks the focus.
    async tabTo(caption) {
        const cycle = await this.tabCycle();
        const from = cycle.indexOf(await this.focusedCaption());
        const steps = (cycle.indexOf(caption) - from + cycle.length) % cycle.length;
        await this.key(...Array(steps).fill("Tab"));
        await this.expectFocus(caption);
    }

    // The scenarios' verbs (see tests/scenarios/scenarios.json)

    async move(where) {
        this.pointer = this.point(where);
        await this.page.mouse.move(...this.pointer);
    }

    async clickHere(button = 1) {
        await this.page.mouse.click(...this.pointer, {button: button === 3 ? "right" : "left"});
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

    async walkTabCycle() {
        const cycle = await this.tabCycle();
        const start = cycle.indexOf(await this.focusedCaption());
        for (const caption of [...cycle.slice(start + 1), ...cycle.slice(0, start + 1)]) {
            await this.key("Tab");
            await this.expectFocus(caption);
        }
        await this.key("shift+Tab");
        await this.expectFocus(cycle.at(start - 1));
    }

    async expectDisplay(text) {
        await pollEqual("the display", () => this.display(), text);
    }

    async expectPicture(action, kind) {
        await pollEqual(`the picture of key ${action}`, () => this.keyPicture(action), kind);
    }

    async expectLit(...actions) {
        await pollEqual("the lit keys", () => this.litKeys(), actions);
    }

    async expectFocusMark(action) {
        await pollEqual("the focus mark", async () => this.skin.marked(await this.screenshot()),
            action ? [action] : []);
    }

    async expectFocus(caption) {
        await pollEqual("the focused button", () => this.focused(), `button:${this.buttonName(caption)}`);
    }

    async expectEnabled(caption, enabled) {
        await pollEqual(`button ${caption} enabled`,
            async () => Object.fromEntries(await this.buttons())[caption], enabled);
    }

    async expectLink(colour) {
        await pollEqual("the link's colour",
            async () => ((await this.blueLinkPixels()) ? "blue" : "rest"), colour);
    }

    async expectBox(prompt) {
        const seen = async () => {
            const box = await this.box();
            if (!box || prompt === null) {
                return box;
            }
            return {...box, prompt: prompt === "" ? box.prompt : box.prompt.slice(0, prompt.length)};
        };
        await pollEqual("the message box", seen,
            prompt === null ? null : {title: this.layout.caption, prompt, buttons: ["OK"]});
    }

    async expectMenu(shown) {
        await pollEqual("the context menu open",
            async () => (await this.nodes()).some((n) => n.role === "menu"), shown);
    }

    /// Pressing the key flashes the display's background darker, then its own colour is back.
    /// The colours are those the browser paints the display with, heard on every change of
    /// the page: screenshots on a busy machine come too slowly to catch a 150 ms flash.
    async expectFlash(key) {
        const display = await this.page.$('aria/Display[role="textbox"]');
        await display.evaluate((element) => {
            const colours = [getComputedStyle(element).backgroundColor];
            const note = () => {
                const colour = getComputedStyle(element).backgroundColor;
                if (colour !== colours.at(-1)) {
                    colours.push(colour);
                }
            };
            new MutationObserver(note).observe(document.body, {attributes: true, subtree: true});
            window.varnikTestColours = colours;
        });
        await this.key(key);
        const rgb = (css) => css.match(/\d+/g).slice(0, 3).map(Number);
        const sum = (css) => rgb(css).reduce((a, b) => a + b);
        const colours = await poll("the display's colour to come back", () => this.page.evaluate(
            () => window.varnikTestColours), 5, (seen) => seen.length >= 3, "three colours");
        assert.equal(colours.length, 3, `the display's colours in turn: ${colours}`);
        assert.equal(colours[2], colours[0], "the display's own colour comes back");
        assert.ok(sum(colours[1]) < sum(colours[0]), "it flashes darker");
    }

    async offerClipboard(text) {
        await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
    }

    async expectClipboard(text) {
        await pollEqual("the clipboard", () => this.clipboard(), text);
    }

    /// The calculator has gone from the page, and a status line says so.
    async expectEnded() {
        await pollEqual("the calculator ended", async () => {
            const roles = (await this.nodes()).map((n) => n.role);
            return roles.includes("status") && !roles.includes("textbox");
        }, true);
    }

    /// Runs one scenario of scenarios.json.
    async run(scenario) {
        const verbs = {
            move: (p) => this.move(p),
            click: async (p) => (await this.move(p), this.clickHere()),
            clickHere: () => this.clickHere(),
            doubleClick: async (p) => (await this.move(p), this.doubleClickHere()),
            rightClick: async (p) => (await this.move(p), this.clickHere(3)),
            key: (...names) => this.key(...names),
            type: (text) => this.type(text),
            buttons: (...captions) => this.pressButtons(...captions),
            tabCycle: () => this.walkTabCycle(),
            display: (text) => this.expectDisplay(text),
            picture: (key, kind) => this.expectPicture(key, kind),
            lit: (...keys) => this.expectLit(...keys),
            focusMark: (key) => this.expectFocusMark(key),
            focus: (caption) => this.expectFocus(caption),
            enabled: (caption, enabled) => this.expectEnabled(caption, enabled),
            link: (colour) => this.expectLink(colour),
            box: (prompt) => this.expectBox(prompt),
            menu: (shown) => this.expectMenu(shown),
            flash: (key) => this.expectFlash(key),
            offerClipboard: (text) => this.offerClipboard(text),
            clipboard: (text) => this.expectClipboard(text),
            ended: () => this.expectEnded(),
        };
        for (const [verb, ...args] of scenario.steps) {
            assert.ok(verbs[verb], `unknown step ${verb} in ${scenario.name}`);
            await verbs[verb](...args);
        }
    }
}

/// For a test file: one browser and the site's server, started before its cases and ended
/// after them (`shared.browser`, `shared.server`), and `onPage(body, view)`, a case that runs
/// body on a fresh page (view as Calculator.open takes it).
function pageTests({site, layout, assets}) {
    const shared = {};
    before(async () => {
        [shared.browser, shared.server] = await Promise.all([launch(), serve(site)]);
    });
    after(async () => {
        await shared.browser?.closeAll();
        shared.server?.server.close();
    });
    const onPage = (body, view) => async () => {
        const calculator = await Calculator.open(shared.browser, shared.server.url, layout,
            assets, view);
        try {
            await body(calculator);
        } finally {
            await calculator.close();
        }
    };
    return {shared, onPage};
}

module.exports = {Calculator, launch, options, pageTests, poll, pollEqual, sleep};

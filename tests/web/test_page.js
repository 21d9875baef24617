// SPDX-License-Identifier: MIT
// The web calculator in Chromium: the page's own behaviour and the site's files (the shared
// scenarios are test_scenarios.js's). One browser for everything; each case opens its own page.
//
// Usage: node test_page.js --site build/web/site --layout layout.json --assets assets
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const {describe, it} = require("node:test");
const {Calculator, options, pageTests, pollEqual} = require("./page_driver.js");
const {serve} = require("../../tools/serve_site.js");

const {site, layout, assets} = options();
const {shared, onPage} = pageTests({site, layout, assets});

describe("the keyboard", () => {
    it("types both scripts' digits, Backspace, Delete", onPage(async (c) => {
        // A Bengali layout types Bengali digits: keys the browser reports as such.
        for (const [i, digit] of [..."৪২৮"].entries()) {
            await c.rawKey(digit, `Digit${"428"[i]}`, 48 + Number("428"[i]));
        }
        await c.expectDisplay(" 428");
        await c.key("BackSpace");
        await c.expectDisplay(" 42");
        await c.key("Delete");
        await c.expectDisplay("");
    }));

    it("copies with Ctrl+Insert, pastes with Shift+Insert; a bad paste changes nothing", onPage(async (c) => {
        await c.type("2.5");
        await c.key("ctrl+Insert");
        await c.expectClipboard("২.৫");
        await c.offerClipboard("-7");
        await c.key("shift+Insert");
        await c.expectDisplay("-7");
        let shown = "-7";
        for (const bad of ["seven", "1+1", "٣", "1".repeat(65)]) {
            await c.offerClipboard(bad);
            await c.key("ctrl+v");
            await c.type("1"); // the key after the paste lands on what was there
            await c.expectDisplay(shown += "1");
        }
    }));
});

describe("the context menu", () => {
    /// The open menu's items as "name" or "(name)" when greyed, or null.
    async function menu(c) {
        const nodes = await c.nodes();
        if (!nodes.some((n) => n.role === "menu")) {
            return null;
        }
        return nodes.filter((n) => n.role === "menuitem").map((n) => (n.disabled ? `(${n.name})` : n.name));
    }
    const items = ["Copy", "Copy with Latin digits", "Paste", "M +", "M -", "M Rc", "Clear Memory",
        "About"];

    it("by a right click: greyed copies on a blank display; dismissed by Escape, a click", onPage(async (c) => {
        await c.page.mouse.click(...c.point("bare"), {button: "right"});
        await pollEqual("the menu", () => menu(c),
            ["(Copy)", "(Copy with Latin digits)", ...items.slice(2)]);
        await c.key("Escape");
        await pollEqual("the menu closed", () => menu(c), null);
        await c.expectFocus("About ");
        await c.page.mouse.click(...c.point("link"), {button: "right"}); // the menu at the bottom
        await pollEqual("the menu", async () => (await menu(c))?.length, items.length);
        await c.clickSkin("1"); // the click that dismisses the menu presses no key
        await pollEqual("the menu closed", () => menu(c), null);
        await c.expectDisplay(" ");
        await c.clickHere();
        await c.expectDisplay(" 1");
    }));

    it("by the Menu key and Shift+F10: choosing with the keys and the mouse", onPage(async (c) => {
        await c.type("15");
        await c.key("Menu");
        await pollEqual("the menu", () => menu(c), items);
        await c.key("Down", "Return"); // from Copy to Copy with Latin digits
        await c.expectClipboard("15");
        await c.key("shift+F10");
        await pollEqual("the menu", async () => (await menu(c))?.length, items.length);
        const about = await c.page.$('aria/About[role="menuitem"]');
        await about.click();
        await pollEqual("the About box", async () => (await c.boxes()), ["Varnik Calculator"]);
        await c.key("Return");
        await c.offerClipboard("৪২");
        await c.page.mouse.click(...c.point("bare"), {button: "right"});
        const paste = await c.page.waitForSelector('aria/Paste[role="menuitem"]');
        await paste.click(); // the browser's own permission to read the clipboard
        await c.expectDisplay("42");
    }));
});

describe("touch, density and the end", () => {
    it("a tap lights and presses a key; two quick taps on ১ give ১১", onPage(async (c) => {
        await c.page.touchscreen.tap(...c.centre("1"));
        await c.page.touchscreen.tap(...c.centre("1")); // no double-click: each tap is a press
        await c.expectDisplay(" 11");
        await c.expectPicture("1", "highlight");
        await c.page.touchscreen.tap(...c.point("bare")); // the bare window puts it out
        await c.expectPicture("1", "normal");
    }, {touch: true}));

    it("shows the dense pictures at 2× density", onPage(async (c) => {
        await c.expectPicture("9", "normal");
        await c.move("9");
        await c.expectPicture("9", "highlight");
        await c.clickHere();
        await c.expectDisplay(" 9");
    }, {scale: 2}));

    it("Quit ends the calculator with a line and a way to start again", onPage(async (c) => {
        await c.type("7");
        await c.clickSkin("Quit");
        const left = async () => (await c.nodes()).slice(1).map((n) => `${n.role}:${n.name}`);
        // The last is the screen readers' announcements, empty now.
        await pollEqual("what is left", left, ["main:", "heading:Varnik Calculator", "status:",
            "StaticText:Varnik Calculator has ended.", "link:Start again", "StaticText:Start again",
            "status:"]);
        await pollEqual("the focus", () => c.focused(), "link:Start again");
        await c.key("Return");
        await c.expectFocus("About ");
        await c.expectDisplay(" ");
    }));

    it("a reload with the network off is served by the service worker", async () => {
        const own = await serve(site); // its own origin, and a server to stop
        const c = await Calculator.open(shared.browser, own.url, layout, assets);
        try {
            await c.page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
            own.server.close();
            own.server.closeAllConnections();
            const requests = own.served.length;
            await c.page.reload();
            await c.expectFocus("About ");
            await c.type("7+5=");
            await c.expectDisplay("12");
            await c.expectPicture("7", "normal"); // the sprite came from the cache too
            assert.equal(own.served.length, requests, "nothing reached the server");
        } finally {
            await c.close();
        }
    });
});

describe("phones, tablets and desktops", () => {
    const screens = [ // CSS pixels, device pixels per CSS pixel, a touch screen or not
        {name: "a phone", width: 390, height: 844, scale: 3, touch: true},
        {name: "a tablet on its side", width: 1180, height: 820, scale: 2, touch: true},
        {name: "a desktop", width: 1280, height: 800, scale: 1},
    ];

    /// The fewest picture pixels per screen pixel among the skin keys' pictures (Infinity for
    /// the vector drawings), as the browser draws them.
    const pictureDensity = (c) => c.page.$$eval(".key", async (keys) => Math.min(...await Promise.all(
        keys.map(async (key) => {
            const style = getComputedStyle(key);
            const url = style.backgroundImage.slice(5, -2);
            if (url.endsWith(".svg")) {
                return Infinity;
            }
            const picture = new Image();
            picture.src = url;
            await picture.decode();
            const scale = key.getBoundingClientRect().width / key.offsetWidth;
            return picture.naturalWidth / (parseFloat(style.backgroundSize) * scale * devicePixelRatio);
        }))));

    /// The element's box on the screen, the lines each of its texts takes, and the heights of
    /// what a finger presses in it.
    const shape = (c, selector, texts, targets) => c.page.$eval(selector, (element, texts, targets) => {
        const lines = (node) => {
            const range = document.createRange();
            range.selectNodeContents(node);
            return new Set([...range.getClientRects()].map((r) => Math.round(r.top))).size;
        };
        const {left, top, right, bottom, width, height} = element.getBoundingClientRect();
        return {left, top, right, bottom, width, height,
            lines: [...element.querySelectorAll(texts)].map(lines),
            heights: [...element.querySelectorAll(targets)].map((part) => part.getBoundingClientRect().height)};
    }, texts, targets);

    /// Inside the viewport, its texts on as many lines as they have, and on touch screens its
    /// buttons or items a thumb's height at least.
    function checkFits(screen, shown, lines) {
        assert.ok(shown.left >= 0 && shown.top >= 0 && shown.right <= screen.width &&
            shown.bottom <= screen.height, JSON.stringify(shown));
        assert.deepEqual(shown.lines, lines);
        assert.ok(shown.heights.every((height) => !screen.touch || height >= 44), `${shown.heights} pixels high`);
    }

    for (const screen of screens) {
        it(`${screen.name}: painted once at its final size, sharp keys, boxes and menus to fit`, onPage(async (c) => {
            const window = await (await c.page.$("#Form1")).boundingBox();
            const [, , width, height] = layout.client.pixels;
            assert.ok(Math.abs(Math.min(screen.width / window.width, screen.height / window.height) - 1) < 0.01,
                "the window fills the screen's width or height");
            assert.equal(await c.page.evaluate(() => layoutShift), 0, "nothing moved");
            assert.ok(await pictureDensity(c) >= 0.95, "keys as sharp as the screen");
            await c.key("space"); // About
            await pollEqual("the box", () => c.boxes(), ["Varnik Calculator"]);
            const box = await shape(c, "#box", "#boxText, button", "button");
            checkFits(screen, box, [2, 1]);
            assert.ok(screen.touch || box.heights[0] < 30, "a desktop's OK button");
            await c.key("Return");
            await c.expectFocus("About "); // the box closed: the window takes input again
            await c.page.mouse.click(window.x + width / 2 * window.width / width,
                window.y + window.height / 3, {button: "right"});
            await pollEqual("the menu", async () => (await c.nodes()).some((n) => n.role === "menu"), true);
            const items = "[role=menuitem]";
            checkFits(screen, await shape(c, "#menu", items, items), Array(8).fill(1));
            await c.key("Escape");
            assert.equal(await c.page.evaluate(() => layoutShift), 0, "nothing moved");
        }, screen));
    }

    /// The contrast of the darkest pixel in the rectangle (layout pixels) against `against`.
    async function contrast(c, [left, top, width, height], against) {
        const shot = await c.screenshot();
        const luminance = (rgb) => [16, 8, 0].map((shift) => ((rgb >> shift) & 255) / 255)
            .map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
            .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
        let darkest = 1;
        for (let y = top; y < Math.min(top + height, shot.height); ++y) { // the link reaches past the window
            for (let x = left; x < left + width; ++x) {
                darkest = Math.min(darkest, luminance(shot.at(x, y)));
            }
        }
        return (luminance(parseInt(against.slice(1), 16)) + 0.05) / (darkest + 0.05);
    }

    it("asked for more contrast, the link and the display's text take the system's colours", onPage(async (c) => {
        await c.type("8");
        const link = () => contrast(c, layout.link.pixels, layout.client.background);
        const [left, top, width, height] = layout.display.pixels; // inside its sunken border
        const display = () => contrast(c, [left + 3, top + 3, width - 6, height - 6], layout.display.background);
        assert.ok((await link()) < 1.6 && (await display()) < 7, "the described colours");
        const session = await c.page.createCDPSession();
        for (const feature of [{name: "prefers-contrast", value: "more"}, {name: "forced-colors", value: "active"}]) {
            await session.send("Emulation.setEmulatedMedia", {features: [feature]});
            await pollEqual(`${feature.name}: readable`, async () => (await link()) >= 4.5 && (await display()) >= 7, true);
        }
    }));

    it("axe finds nothing but the link's described colour, with the menu or a box open too", onPage(async (c) => {
        await c.page.evaluate(fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8"));
        const findings = () => c.page.evaluate(() => axe.run(document).then((result) => result.violations
            .flatMap((v) => v.nodes.map((node) => `${v.id} ${node.target.join(" ")}`))));
        assert.deepEqual((await findings()).filter((f) => f !== "color-contrast #Label1"), []);
        await c.key("Menu");
        await pollEqual("the menu", async () => (await c.nodes()).some((n) => n.role === "menu"), true);
        assert.deepEqual((await findings()).filter((f) => f !== "color-contrast #Label1"), []);
        await c.key("Escape", "equal"); // the empty box
        await pollEqual("the box", () => c.boxes(), ["Varnik Calculator"]);
        assert.deepEqual((await findings()).filter((f) => f !== "color-contrast #Label1"), []);
    }, {width: 390, height: 844, touch: true}));

    const failures = [
        {name: "its files refused, in Bengali", view: {refused: ["varnik.wasm"], languages: "bn-BD,bn"},
            words: ["Varnik Calculator চালু করা গেল না।", "আবার চেষ্টা করুন"]},
        {name: "a browser without WebAssembly", view: {noWebAssembly: true},
            words: ["Varnik Calculator could not start.", "Try again"]},
    ];
    for (const {name, view, words} of failures) {
        it(`says so when the program cannot start: ${name}; it tries again`, async () => {
            const c = await Calculator.open(shared.browser, shared.server.url, layout, assets,
                {...view, started: false});
            try {
                const shown = async () => (await c.nodes()).slice(1).map((n) => `${n.role}:${n.name}`);
                await pollEqual("what shows", shown, ["main:", "heading:Varnik Calculator", "alert:",
                    `StaticText:${words[0]}`, `link:${words[1]}`, `StaticText:${words[1]}`, "status:"]);
                await pollEqual("the focus", () => c.focused(), `link:${words[1]}`);
                c.errors.length = 0; // what did not start said so
                await c.removeObstacles(); // the network back, or a newer browser
                await c.key("Return");
                await c.expectStarted();
            } finally {
                await c.close();
            }
        });
    }
});

describe("screen readers", () => {
    it("hear why the equals box opened, which the box does not show", onPage(async (c) => {
        await c.pressButtons("=");
        await c.expectBox(""); // what a person sees: the title, OK and nothing else
        await pollEqual("the box's description", async () =>
            (await c.nodes()).find((n) => n.role === "alertdialog")?.description, "Not a number");
    }));

    it("name the skin keys, the display and the hidden buttons; they press keys", onPage(async (c) => {
        const nodes = await c.nodes();
        assert.deepEqual(nodes.filter((n) => n.role === "button").map((n) => n.name), [
            "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "zero", "equals",
            "point", "Quit", "Clear", "plus", "minus", "times", "divided by",
            ...layout.commandButtons.map((b) => b.accessibleName)]);
        const display = nodes.find((n) => n.role === "textbox");
        assert.deepEqual([display.name, display.readonly, display.value], ["Display", true, " "]);
        // A screen reader's press is a click on the element, wherever the pointer is.
        for (const name of ["seven", "plus", "two", "equals"]) {
            const key = await c.page.$(`aria/${name}[role="button"]`);
            await key.evaluate((element) => element.click());
        }
        await c.expectDisplay("9");
    }));
});

describe("languages", () => {
    const keyNames = async (c) => (await c.nodes()).filter((n) => n.role === "button")
        .slice(0, 18).map((n) => n.name);
    const english = ["one", "two", "three"];

    it("a browser set to Bengali gets the page in Bengali", onPage(async (c) => {
        assert.equal(await c.page.evaluate(() => document.documentElement.lang), "bn");
        const names = await keyNames(c);
        assert.deepEqual(names.slice(0, 3), ["এক", "দুই", "তিন"]);
        for (const name of ["সাত", "যোগ", "ভাগ", "সমান", "মুছুন", "সমাপ্ত"]) {
            assert.ok(names.includes(name), name);
        }
        assert.ok((await c.nodes()).some((n) => n.role === "textbox" && n.name === "ডিসপ্লে"));
        await c.page.mouse.click(100, 100, {button: "right"});
        const menuItems = async () => (await c.nodes()).filter((n) => n.role === "menuitem");
        await pollEqual("the menu's items", async () => (await menuItems()).length, 8);
        const items = (await menuItems()).map((n) => n.name);
        assert.equal(items[1], "লাতিন অঙ্কে কপি করুন");
        await c.page.keyboard.press("Escape");
    }, {languages: "bn-BD,bn", width: 412, height: 464}));

    it("an unknown language gives English", onPage(async (c) => {
        assert.equal(await c.page.evaluate(() => document.documentElement.lang), "en");
        assert.deepEqual((await keyNames(c)).slice(0, 3), english);
    }, {languages: "fr-FR,fr"}));

    it("?lang= wins over the browser's languages", onPage(async (c) => {
        assert.deepEqual((await keyNames(c)).slice(0, 3), english);
    }, {languages: "bn-BD,bn", query: "?lang=en"}));
});

describe("the site's files", () => {
    const files = () => JSON.parse(/const FILES = (\[.*\]);/.exec(
        fs.readFileSync(path.join(site, "service-worker.js"), "utf8"))[1]);
    const relative = (url) => !/^([a-z][a-z0-9+.-]*:|\/)/i.test(url);

    it("every file the page loads is in the site and in the service worker's list", async () => {
        const loaded = new Set();
        for (const scale of [1, 2]) {
            const heard = (request) => loaded.add(new URL(request.url()).pathname.slice(1) || "./");
            const c = await Calculator.open(shared.browser, shared.server.url, layout, assets,
                {scale}, heard);
            await c.page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
            await c.close();
        }
        // The browser asks for the service worker's own file anew each time, to update it.
        loaded.delete("service-worker.js");
        for (const name of ["varnik.wasm", "keys.png", "lit.png", "keys@2x.png", "lit@2x.png"]) {
            assert.ok(loaded.has(name), `${name} is not among ${[...loaded].join(" ")}`);
        }
        assert.deepEqual([...loaded].filter((name) => !files().includes(name)), [], "not kept");
        const inSite = fs.readdirSync(site).filter((name) => name !== "service-worker.js");
        assert.deepEqual(files().slice(1).sort(), inSite.sort(), "the list is the site");
    });

    it("the manifests install as an app: the same id, icons any and maskable, screenshots; every address relative", () => {
        const page = fs.readFileSync(path.join(site, "index.html"), "utf8");
        const urls = [...page.matchAll(/(?:href|src)="([^"]*)"|url\(([^)]*)\)/g)]
            .map((m) => m[1] ?? m[2]);
        const pngSize = (name) => {
            const png = fs.readFileSync(path.join(site, name));
            return `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
        };
        assert.equal(pngSize(/<link rel="apple-touch-icon" href="([^"]*)"/.exec(page)[1]), "180x180");
        const theme = /<meta name="theme-color" content="([^"]*)"/.exec(page)[1];
        const ids = new Set();
        for (const name of fs.readdirSync(site).filter((n) => n.endsWith(".webmanifest"))) {
            const manifest = JSON.parse(fs.readFileSync(path.join(site, name), "utf8"));
            assert.ok(manifest.name && manifest.short_name && manifest.description, name);
            assert.equal(manifest.theme_color, theme);
            ids.add(manifest.id);
            const kinds = manifest.icons.map((icon) => `${icon.purpose} ${icon.sizes}`).sort();
            assert.deepEqual(kinds, ["any 192x192", "any 512x512", "maskable 192x192", "maskable 512x512"]);
            assert.deepEqual(manifest.screenshots.map((shot) => shot.form_factor).sort(), ["narrow", "wide"]);
            for (const picture of [...manifest.icons, ...manifest.screenshots]) {
                assert.equal(picture.sizes, pngSize(picture.src), picture.src);
                urls.push(picture.src);
            }
            urls.push(manifest.start_url, manifest.scope);
        }
        assert.equal(ids.size, 1, "one app in every language");
        assert.deepEqual([...urls, ...files()].filter((url) => !relative(url)), []);
        assert.ok(urls.length > 10, urls.join(" "));
    });
});

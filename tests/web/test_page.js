// SPDX-License-Identifier: MIT
// The web calculator in Chromium: the page's own behaviour and the site's files (the shared
// scenarios are test_scenarios.js's). One browser for everything; each case opens its own page.
//
// Usage: node test_page.js --site build/web/site --layout layout.json --assets assets
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const {after, before, describe, it} = require("node:test");
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
        await c.page.mouse.click(...c.point("bare"), {button: "right"});
        await pollEqual("the menu", async () => (await menu(c))?.length, items.length);
        await c.clickSkin("7"); // the click that dismisses the menu presses no key
        await pollEqual("the menu closed", () => menu(c), null);
        await c.expectDisplay(" ");
        await c.clickHere();
        await c.expectDisplay(" 7");
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
        await pollEqual("what is left", left, ["status:", "StaticText:Varnik Calculator has ended.",
            "link:Start again", "StaticText:Start again"]);
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

describe("screen readers", () => {
    it("name the skin keys, the display and the hidden buttons; they press keys", onPage(async (c) => {
        const nodes = await c.nodes();
        assert.deepEqual(nodes.filter((n) => n.role === "button").map((n) => n.name), [
            "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "zero", "equals",
            "point", "Quit", "Clear", "plus", "minus", "times", "divided by",
            ...layout.commandButtons.map((b) => b.caption.trim())]);
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
            const c = await Calculator.open(shared.browser, shared.server.url, layout, assets, {scale},
                heard);
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

    it("the manifests parse and name their icons; every address is relative", () => {
        const page = fs.readFileSync(path.join(site, "index.html"), "utf8");
        const urls = [...page.matchAll(/(?:href|src)="([^"]*)"|url\(([^)]*)\)/g)]
            .map((m) => m[1] ?? m[2]);
        for (const name of fs.readdirSync(site).filter((n) => n.endsWith(".webmanifest"))) {
            const manifest = JSON.parse(fs.readFileSync(path.join(site, name), "utf8"));
            assert.ok(manifest.name && manifest.icons.length >= 2, name);
            for (const icon of manifest.icons) {
                const png = fs.readFileSync(path.join(site, icon.src));
                const size = `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
                assert.equal(icon.sizes, size, icon.src);
                urls.push(icon.src);
            }
            urls.push(manifest.start_url, manifest.scope);
        }
        assert.deepEqual([...urls, ...files()].filter((url) => !relative(url)), []);
        assert.ok(urls.length > 10, urls.join(" "));
    });
});

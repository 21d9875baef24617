// SPDX-License-Identifier: MIT
// What a screenshot of the page shows on the skin: which picture a key shows and which key
// carries the focus mark, judged against the key bitmaps the site was built from (as
// tests/e2e/skin_pictures.py does for the desktop programs).
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const zlib = require("node:zlib");

class Image {
    constructor(width, height, rgb) {
        Object.assign(this, {width, height, rgb});
    }

    at(x, y) {
        const i = 3 * (y * this.width + x);
        return (this.rgb[i] << 16) | (this.rgb[i + 1] << 8) | this.rgb[i + 2];
    }

    /// An 8-bit RGB or RGBA PNG without interlacing, as the browser's screenshots are.
    static fromPng(data) {
        const width = data.readUInt32BE(16);
        const height = data.readUInt32BE(20);
        const [depth, colour, , , interlace] = data.subarray(24, 29);
        if (depth !== 8 || (colour !== 2 && colour !== 6) || interlace) {
            throw new Error(`unexpected PNG: depth ${depth}, colour type ${colour}`);
        }
        const chunks = [];
        for (let at = 8; at < data.length; at += data.readUInt32BE(at) + 12) {
            if (data.toString("latin1", at + 4, at + 8) === "IDAT") {
                chunks.push(data.subarray(at + 8, at + 8 + data.readUInt32BE(at)));
            }
        }
        const raw = zlib.inflateSync(Buffer.concat(chunks));
        const bpp = colour === 6 ? 4 : 3;
        const stride = width * bpp;
        const rows = Buffer.alloc(stride * height);
        for (let y = 0; y < height; ++y) {
            const filter = raw[y * (stride + 1)];
            for (let x = 0; x < stride; ++x) {
                const a = x >= bpp ? rows[y * stride + x - bpp] : 0;
                const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
                const c = x >= bpp && y > 0 ? rows[(y - 1) * stride + x - bpp] : 0;
                const p = a + b - c;
                const [pa, pb, pc] = [a, b, c].map((v) => Math.abs(p - v));
                const paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                const predicted = [0, a, b, (a + b) >> 1, paeth][filter];
                rows[y * stride + x] = raw[y * (stride + 1) + 1 + x] + predicted;
            }
        }
        const rgb = Buffer.alloc(3 * width * height);
        for (let i = 0; i < width * height; ++i) {
            rows.copy(rgb, 3 * i, bpp * i, bpp * i + 3);
        }
        return new Image(width, height, rgb);
    }

    /// An uncompressed 24-bit BMP, as the key pictures are stored.
    static fromBmp(file) {
        const data = fs.readFileSync(file);
        const offset = data.readUInt32LE(10);
        const width = data.readInt32LE(18);
        const height = data.readInt32LE(22);
        const stride = Math.ceil((3 * width) / 4) * 4;
        const rgb = Buffer.alloc(3 * width * Math.abs(height));
        for (let y = 0; y < Math.abs(height); ++y) {
            const stored = height > 0 ? Math.abs(height) - 1 - y : y; // bottom-up unless negative
            for (let x = 0; x < width; ++x) {
                const from = offset + stored * stride + 3 * x;
                rgb.set([data[from + 2], data[from + 1], data[from]], 3 * (y * width + x));
            }
        }
        return new Image(width, Math.abs(height), rgb);
    }
}

/// Reads the skin off screenshots: `layout` is layout.json, `assets` the assets folder; `scale`
/// is the device pixels per layout pixel (1, or 2 for the dense pictures).
class SkinReader {
    constructor(layout, assets, scale = 1) {
        // The focus mark: a one-pixel outline markInset pixels inside the key.
        Object.assign(this, {keys: layout.skinKeys, markInset: layout.focusMarkInset, scale,
            bitmaps: new Map()});
        this.bitmap = (number) => {
            if (!this.bitmaps.has(number)) {
                const name = `Image${number}${scale > 1 ? "@2x" : ""}.bmp`;
                this.bitmaps.set(number, Image.fromBmp(path.join(assets, "keys", name)));
            }
            return this.bitmaps.get(number);
        };
    }

    /// For the key's normal and highlight pictures: [share matching off the mark's ring,
    /// share matching on it].
    shares(shot, action) {
        const key = this.keys.find((k) => k.action === action);
        const [left, top] = key.pixels.map((p) => p * this.scale);
        return [key.normalImage, key.highlightImage].map((number) => {
            const picture = this.bitmap(number);
            const counts = [0, 0, 0, 0]; // off, same off, on, same on
            for (let y = 0; y < picture.height; ++y) {
                for (let x = 0; x < picture.width; ++x) {
                    const inside = Math.min(x, y, picture.width - 1 - x, picture.height - 1 - y);
                    const ring = Math.floor(inside / this.scale) === this.markInset;
                    counts[ring ? 2 : 0] += 1;
                    counts[ring ? 3 : 1] += shot.at(left + x, top + y) === picture.at(x, y);
                }
            }
            return [counts[1] / counts[0], counts[3] / counts[2]];
        });
    }

    /// "normal", "highlight" or null: the picture the key shows, with a focus mark or not.
    picture(shot, action) {
        const shares = this.shares(shot, action);
        const shown = shares.findIndex(([offRing]) => offRing > 0.98);
        return shown < 0 ? null : ["normal", "highlight"][shown];
    }

    /// The keys (by action) whose picture carries the focus mark.
    marked(shot) {
        return this.keys.map((k) => k.action).filter((action) => {
            const shares = this.shares(shot, action);
            const [offRing, onRing] = shares[0][0] >= shares[1][0] ? shares[0] : shares[1];
            return offRing > 0.98 && onRing < 0.7;
        });
    }
}

module.exports = {Image, SkinReader};

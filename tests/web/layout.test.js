// The page fits every screen: on a projector, a tablet and a phone nothing lies outside the
// viewport's width, with the chart closed or open, and the board is square; on a projector it
// takes at least 60 % of the height, and at 1080 rows no text is smaller than 18 px.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const { openBrowser, openPage } = require("./support.js");

const screens = [
    { width: 1920, height: 1080, projector: true, leastFont: 18 },
    { width: 1280, height: 720, projector: true },
    { width: 1024, height: 768 },
    { width: 390, height: 844 },
];

function measure(page) {
    return page.evaluate(() => {
        const board = document.getElementById("board").getBoundingClientRect();
        const outside = [...document.querySelectorAll("body *")].filter((e) => {
            const box = e.getBoundingClientRect();
            return box.width > 0 && (box.left < -0.5 || box.right > innerWidth + 0.5);
        }).map((e) => e.id || e.className || e.tagName);
        const fonts = [...document.querySelectorAll("body *")]
            .filter((e) => e.checkVisibility() && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()))
            .map((e) => parseFloat(getComputedStyle(e).fontSize));
        return { board, outside, scrollWidth: document.documentElement.scrollWidth, leastFont: Math.min(...fonts) };
    });
}

for (const screen of screens) {
    test(`${screen.width} × ${screen.height}`, async (t) => {
        const browser = await openBrowser({ viewport: { width: screen.width, height: screen.height } });
        t.after(() => browser.close());
        const page = await openPage(browser.context, "?lang=en");
        await page.click("#newGameButton");
        for (const chart of ["closed", "open"]) {
            if (chart === "open")
                await page.click("#chartButton");
            const m = await measure(page);
            assert.deepStrictEqual(m.outside, [], `chart ${chart}`);
            assert.ok(m.scrollWidth <= screen.width, `chart ${chart}: ${m.scrollWidth} wide`);
            assert.ok(Math.abs(m.board.width - m.board.height) <= 1, `chart ${chart}: board ${m.board.width} × ${m.board.height}`);
            if (screen.projector)
                assert.ok(m.board.height >= 0.6 * screen.height, `chart ${chart}: board ${m.board.height} high`);
            if (screen.leastFont)
                assert.ok(m.leastFont >= screen.leastFont, `chart ${chart}: text of ${m.leastFont} px`);
        }
    });
}

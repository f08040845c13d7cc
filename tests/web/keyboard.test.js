// An interactive game by keyboard alone: Tab reaches each control, Enter and the arrows work
// it, and on the board the arrows move between cells, stopping at the edges, and Enter
// chooses the cell the instruction asks for.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const { openBrowser, openPage } = require("./support.js");

// Presses Tab until the focus is on what matches selector; fails if it never gets there.
async function tabTo(page, selector) {
    for (let i = 0; i < 60; ++i) {
        await page.keyboard.press("Tab");
        if (await page.evaluate((s) => document.activeElement.matches(s), selector))
            return;
    }
    assert.fail(`Tab never reached ${selector}`);
}

const focusedName = (page) => page.evaluate(() => document.activeElement.getAttribute("aria-label"));
const instruction = (page) => page.inputValue("#instructionLine");

test("an interactive game by keyboard alone", async (t) => {
    const browser = await openBrowser();
    t.after(() => browser.close());
    const page = await openPage(browser.context, "?lang=de");
    await tabTo(page, "#newGameButton");
    await page.keyboard.press("Enter");
    await tabTo(page, "#simulationButton");
    await page.keyboard.press("ArrowLeft");
    assert.ok(await page.isChecked("#interactiveButton"));

    await tabTo(page, "#rollButton");
    for (let i = 0; i < 500 && !await instruction(page); ++i)
        await page.keyboard.press("Enter");
    assert.ok(await page.isDisabled("#rollButton"));
    const asked = await instruction(page);

    await tabTo(page, "[role=gridcell]");
    for (const key of ["ArrowUp", "ArrowLeft"])
        for (let i = 0; i < 7; ++i)
            await page.keyboard.press(key);
    assert.match(await focusedName(page), /^Feld 1,1: /);
    for (let i = 0; i < 7; ++i)
        await page.keyboard.press("ArrowRight");
    assert.match(await focusedName(page), /^Feld 6,1: /);

    // Cell by cell, right to left along the first row, back along the next, until the choice
    // is settled.
    let chosen = null;
    for (let cell = 0; cell < 36 && await instruction(page); ++cell) {
        if (cell > 0)
            await page.keyboard.press(cell % 6 === 0 ? "ArrowDown" : Math.floor(cell / 6) % 2 ? "ArrowRight" : "ArrowLeft");
        await page.keyboard.press("Enter");
        chosen = await focusedName(page);
    }
    assert.strictEqual(await instruction(page), "");
    assert.ok(await page.isEnabled("#rollButton"));
    assert.match(chosen, asked === "Beute plazieren" ? /: Beute$/ : /: leer$/);
});

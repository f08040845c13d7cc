// Two languages from the one catalog: ?lang= forces one, the browser's languages choose
// otherwise, the switch changes it; and a page in one language shows no text of the other —
// neither in its controls, hints and names, nor in the chart's menu, its dialogs or its rules.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const { openBrowser, openPage, catalog } = require("./support.js");

// Every text a user can see or hear: text, hints, accessible names, field values.
function texts(page) {
    return page.evaluate(() => {
        const found = [];
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        while (walker.nextNode())
            if (walker.currentNode.parentElement.closest("script, style") === null)
                found.push(walker.currentNode.textContent.trim());
        for (const e of document.querySelectorAll("[title], [aria-label], input"))
            found.push(e.title, e.getAttribute("aria-label") || "", e.type === "text" || !e.type ? e.value : "");
        return found.filter((text) => text);
    });
}

// Opens everything that has texts of its own, gathering them on the way.
async function everyText(page) {
    await page.click("#newGameButton");
    await page.click("#chartButton");
    const seen = await texts(page);
    await page.click("#chartMenuButton");
    await page.click(".menu [aria-haspopup]");
    seen.push(...await texts(page));
    await page.keyboard.press("Escape");
    await page.keyboard.press("Escape");
    // A cancelled round count is no number: its message comes next.
    for (const [open, dialogs] of [["#runRoundsButton", 2], ["#gameByNumberButton", 1], ["#rulesButton", 1]]) {
        await page.click(open);
        for (let i = 0; i < dialogs; ++i) {
            const dialog = await page.waitForSelector("dialog[open]");
            seen.push(...await texts(page));
            await page.keyboard.press("Escape");
            await dialog.waitForElementState("hidden");
        }
    }
    return seen;
}

// The texts that belong to one language only: a German source whose English differs, and the
// other way round; %1 stands for anything.
const entries = catalog().filter((e) => e.source !== e.translation);
const pattern = (text) => new RegExp(`^${text.replace(/[.*+?^${}()|[\]\\]/g, "\\$&").replace(/%[1-9]/g, ".+")}$`);
const onlyIn = {
    de: entries.map((e) => e.source).filter((s) => !entries.some((e) => e.translation === s)),
    en: entries.map((e) => e.translation).filter((s) => !entries.some((e) => e.source === s)),
};

for (const [language, other, sample] of [["de", "en", "Würfeln"], ["en", "de", "Roll"]]) {
    test(`?lang=${language} shows no ${other} text`, async (t) => {
        const browser = await openBrowser();
        t.after(() => browser.close());
        const page = await openPage(browser.context, `?lang=${language}`);
        const seen = await everyText(page);
        assert.ok(seen.includes(sample), `${sample} among ${seen.length} texts`);
        const foreign = onlyIn[other].map(pattern);
        assert.deepStrictEqual(seen.filter((text) => foreign.some((p) => p.test(text))), []);
    });
}

test("the browser's languages choose, the switch changes", async () => {
    for (const [locale, expected] of [["de-AT", "Neu"], ["en-GB", "New"], ["fr-FR", "New"]]) {
        const browser = await openBrowser({ locale });
        const page = await openPage(browser.context);
        assert.strictEqual(await page.textContent("#newGameButton"), expected, locale);
        await page.click(expected === "Neu" ? "#englishButton" : "#germanButton");
        assert.strictEqual(await page.textContent("#newGameButton"), expected === "Neu" ? "New" : "Neu", locale);
        await browser.close();
    }
});

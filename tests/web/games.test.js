// The page plays the runner's games round for round: the status bar shows after every round
// the counts `quorvel-sim --seed N` prints, and the board at the end is the runner's --board.
// Numbers across the whole range, and a game with a spray campaign. Without spraying, the
// chart's CSV, downloaded as a user saves it, holds the same rows under the header of the page's
// language, byte for byte the desktop's file (a point is counted after the next round's
// spraying, so with a campaign the two differ by design).
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const { openBrowser, openPage, simGame, pageBoard, runRounds, saveFromChartMenu } = require("./support.js");

const german = { lang: "de", header: "Durchgang;Räuber;Beute", separator: ";", menu: "Daten als CSV speichern …" };
const english = { lang: "en", header: "Round,Hunters,Prey", separator: ",", menu: "Save Data as CSV…" };
const games = [
    { seed: 0, rounds: 8, ...german },
    { seed: 0, rounds: 8, ...english },
    { seed: 2147483648, rounds: 400, ...german },
    { seed: 4294967295, rounds: 400, ...english },
    { seed: 77, rounds: 300, spray: 12, ...german },
];

test("the page plays the runner's games", async (t) => {
    const browser = await openBrowser();
    t.after(() => browser.close());
    for (const game of games) {
        await t.test(`game ${game.seed}, ${game.rounds} rounds, ${game.spray || 0} sprayed, ${game.lang}`, async () => {
            const page = await openPage(browser.context, `?nr=${game.seed}&lang=${game.lang}`);
            assert.strictEqual(await page.inputValue("#gameNumberLine"), String(game.seed));
            await page.click("#chartButton");
            if (game.spray) {
                await page.fill("#sprayRoundsBox", String(game.spray));
                await page.click("#sprayButton");
            }
            // The counts as they stand when each tick (a task of its own) is done.
            await page.evaluate(() => {
                const counts = () => ["roundCount", "hunterCount", "preyCount"].map((id) => document.getElementById(id).textContent);
                window.shown = [counts()];
                new MutationObserver(() => window.shown.push(counts()))
                    .observe(document.getElementById("statusBar"), { subtree: true, childList: true, characterData: true });
            });
            await runRounds(page, game.rounds);

            const expected = simGame(game.seed, game.rounds, game.spray);
            const shown = new Map((await page.evaluate(() => window.shown)).map((row) => [row[0], row]));
            assert.deepStrictEqual([...shown.values()], expected.rows);
            assert.deepStrictEqual(await pageBoard(page), expected.board);
            if (!game.spray) {
                const csv = await saveFromChartMenu(page, game.menu);
                const lines = expected.rows.map((row) => row.join(game.separator) + "\r\n").join("");
                assert.deepStrictEqual(csv, Buffer.from(`\uFEFF${game.header}\r\n${lines}`, "utf8"));
            }
            await page.close();
        });
    }
});

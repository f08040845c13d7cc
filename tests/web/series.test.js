// The page's Versuchsreihe: its CSV and tables give the figures of quorvel-sim --summary for the
// same games (A without, B with --spray R:K:P; the games run on across 2^32), as the window's do;
// entries out of range are refused one by one with the window's messages; a cancel leaves what
// was shown.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const { execFileSync } = require("child_process");
const { openBrowser, openPage, patience } = require("./support.js");

// Fills in the settings: games, rounds, first game number, and B's R:K:P (P 0: once).
async function enter(page, games, rounds, first, start, count, period) {
    for (const [id, text] of [["gamesEdit", games], ["roundsEdit", rounds], ["firstGameEdit", first],
        ["sprayStartEdit", start], ["sprayRoundsEdit", count]])
        await page.fill(`#${id}`, text);
    await page.setChecked("#repeatBox", period !== "0");
    if (period !== "0")
        await page.fill("#sprayPeriodEdit", period);
}

async function play(page) {
    await page.click("#seriesStartButton");
    await page.waitForFunction(() => !window.quorvel.series.isRunning()
        && document.getElementById("seriesProgress").value === 1000, null, patience);
}

// quorvel-sim's summary per side: its rows [round, mean, p10, p90, extinct, once] and the line
// below its table.
function simSummary(args) {
    const sides = [];
    for (const line of execFileSync(process.env.QUORVEL_SIM, args, { encoding: "utf8" }).split("\n")) {
        if (line === "Hunters" || line === "Prey") {
            sides.push({ rows: [], runLine: null });
        } else if (line.startsWith("first extinction")) {
            sides[sides.length - 1].runLine = line;
        } else if (sides.length && !sides[sides.length - 1].runLine && line.trim() && !line.includes("round")) {
            const words = line.trim().replace(/%/g, "").split(/ +/);
            sides[sides.length - 1].rows.push([words[0], words[1], words[5], words[6], words[7], words[8]]);
        }
    }
    return sides;
}

const tableText = (page, id) => page.$eval(id, (table) => [...table.tBodies[0].rows].map((row) => [...row.cells].slice(1).map((c) => c.textContent)));

// 200 games of 60 rounds, or as QUORVEL_SERIES_SIZE says ("1000x500"), in German or as
// QUORVEL_SERIES_LANG says.
test("the Versuchsreihe's figures are quorvel-sim's", async (t) => {
    const [games, rounds] = (process.env.QUORVEL_SERIES_SIZE || "200x60").split("x");
    const lang = process.env.QUORVEL_SERIES_LANG || "de";
    const separator = lang === "de" ? ";" : ",";
    const n = Number(rounds) + 1;
    const browser = await openBrowser();
    t.after(() => browser.close());
    const page = await openPage(browser.context, `?lang=${lang}`);
    await page.click("#seriesButton");
    await enter(page, games, rounds, "4294967200", "20", "5", "15");
    await play(page);
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("#seriesSaveDataButton")]);
    assert.strictEqual(download.suggestedFilename(), `quorvel-${lang === "de" ? "versuchsreihe" : "experiment"}-4294967200.csv`);
    const csv = fs.readFileSync(await download.path());
    assert.deepStrictEqual([...csv.subarray(0, 3)], [0xEF, 0xBB, 0xBF]);
    const lines = csv.subarray(3).toString("utf8").split("\r\n");
    assert.strictEqual(lines.length, 1 + n + 1);
    assert.match(lines[0], lang === "de" ? /^Durchgang;A Räuber Mittel;A Räuber P10;/ : /^Round,A Hunters mean,A Hunters p10,/);

    const common = ["--games", games, "--rounds", rounds, "--every", "1", "--summary", "--seed", "4294967200"];
    const conditions = [simSummary(common), simSummary([...common, "--spray", "20:5:15"])];
    const tables = [await tableText(page, "#unsprayedTable"), await tableText(page, "#sprayedTable")];
    for (let condition = 0; condition < 2; ++condition) {
        assert.strictEqual(conditions[condition].length, 2);
        for (let side = 0; side < 2; ++side) {
            const sim = conditions[condition][side];
            const figures = lines.slice(1, 1 + n).map((line) => {
                const fields = line.split(separator);
                assert.strictEqual(fields.length, 21);
                const first = 1 + 10 * condition + 5 * side;
                return [fields[0], ...fields.slice(first, first + 5).map((f) => f.replace(",", "."))];
            });
            assert.deepStrictEqual(figures, sim.rows, `condition ${condition}, side ${side}`);
            const cell = (row) => tables[condition][row][side].replace(/,/g, ".").replace(/ %/g, "%")
                .replace(" bis ", " to ").replace("–", "-");
            assert.strictEqual(`first extinction: mean ${cell(0)}, median ${cell(1)}, n=${cell(2)}; `
                + `extinct at the end: ${cell(3)} (95% Wilson interval ${cell(4)})`, sim.runLine);
        }
    }
});

test("entries out of range are refused one by one, and a cancel leaves what was shown", async (t) => {
    const browser = await openBrowser();
    t.after(() => browser.close());
    const page = await openPage(browser.context, "?lang=de");
    await page.click("#seriesButton");
    const rows = [
        ["gamesEdit", "0", "Die Zahl der Spiele ist eine ganze Zahl von 1 bis 100000."],
        ["gamesEdit", "100001", "Die Zahl der Spiele ist eine ganze Zahl von 1 bis 100000."],
        ["roundsEdit", "viele", "Die Zahl der Runden je Spiel ist eine ganze Zahl von 1 bis 100000."],
        ["firstGameEdit", "-1", "Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."],
        ["sprayStartEdit", "61", "Das Insektizid beginnt in einer Runde von 1 bis 60, der Zahl der Runden je Spiel."],
        ["sprayRoundsEdit", "0", "Ein Insektizideinsatz dauert 1 bis 100000 Runden."],
        ["sprayPeriodEdit", "0", "Ein Insektizideinsatz wiederholt sich alle 1 bis 100000 Runden."],
    ];
    for (const [id, text, message] of rows) {
        await enter(page, "10", "60", "3", "20", "5", "15");
        await page.fill(`#${id}`, text);
        await page.press(`#${id}`, "Enter");
        const shown = await page.waitForSelector("dialog[role=alertdialog][open]");
        assert.strictEqual(await shown.$eval("p", (p) => p.textContent), message, id);
        assert.strictEqual(await page.evaluate(() => window.quorvel.series.isRunning()), false);
        await page.keyboard.press("Enter");
        await page.waitForFunction((entry) => document.activeElement.id === entry, id, patience);
    }

    // A small series shown, then a large one cancelled while it runs: the small one stays.
    await enter(page, "10", "60", "3", "20", "5", "0");
    await play(page);
    const shown = async () => page.evaluate(() => [document.getElementById("seriesSummary").textContent,
        ...["unsprayedTable", "sprayedTable"].map((id) => document.getElementById(id).innerText)]);
    const before = await shown();
    assert.match(before[0], /^10 Spiele zu je 60 Runden/);
    await enter(page, "100000", "100000", "3", "20", "5", "0");
    await page.click("#seriesStartButton");
    await page.waitForFunction(() => document.getElementById("seriesProgress").value > 0, null, patience);
    await page.click("#seriesCancelButton");
    assert.strictEqual(await page.evaluate(() => window.quorvel.series.isRunning()), false);
    assert.deepStrictEqual(await shown(), before);
    assert.strictEqual(await page.isEnabled("#seriesSaveDataButton"), true);
    assert.strictEqual(await page.evaluate(() => document.getElementById("seriesProgress").value), 0);
});

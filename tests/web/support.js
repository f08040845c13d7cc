// What the page's tests share: Debian's Chromium, headless, in a fresh profile; the page opened
// from disk; the runner's games; the table of controls per phase; the catalog.
//   QUORVEL_PAGE     the built page (quorvel.html)
//   QUORVEL_SIM      build/tools/quorvel-sim
//   QUORVEL_SOURCE   the repository, for tests/support/control-states.tsv and the catalog
"use strict";
const { chromium } = require("playwright-core");
const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { pathToFileURL } = require("url");

const pageUrl = pathToFileURL(process.env.QUORVEL_PAGE).href;
const source = process.env.QUORVEL_SOURCE;
// Waits for conditions, never for time: long enough for a loaded machine.
const patience = { timeout: 60000 };

// options: Playwright's context options (viewport, locale, …).
async function openBrowser(options = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "quorvel-chromium-"));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: "/usr/bin/chromium",
        headless: true,
        acceptDownloads: true,
        args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync"],
        ...options,
    });
    context.setDefaultTimeout(patience.timeout);
    return {
        context,
        async close() {
            await context.close();
            fs.rmSync(profile, { recursive: true, force: true });
        },
    };
}

// The page (from disk unless url says otherwise) with query ("?nr=0&lang=de"), ready to play;
// errors on it fail the test.
async function openPage(context, query = "", url = pageUrl) {
    const page = await context.newPage();
    page.on("pageerror", (error) => {
        throw error;
    });
    await page.goto(url + query);
    await page.waitForSelector("html[data-ready]", { state: "attached" });
    return page;
}

// The runner's game: its rows [round, hunters, prey] and its final board, six lines of digits.
function simGame(seed, rounds, spray) {
    const args = ["--seed", String(seed), "--rounds", String(rounds), "--board"];
    if (spray)
        args.push("--insecticide", String(spray));
    const lines = execFileSync(process.env.QUORVEL_SIM, args, { encoding: "utf8" }).trim().split("\n");
    const rows = lines.slice(1, rounds + 2).map((line) => {
        const [round, , , , hunters, prey] = line.split(",");
        return [round, hunters, prey];
    });
    return { rows, board: lines.slice(rounds + 2) };
}

// The board as the page shows it, in the runner's digits (0 empty, 1 prey, 2 hunter), a line per row.
async function pageBoard(page) {
    const digits = await page.$$eval("#board .cell", (cells) => cells.map((c) => ({ empty: 0, prey: 1, hunter: 2 })[c.dataset.content]));
    return [0, 1, 2, 3, 4, 5].map((row) => digits.slice(row * 6, row * 6 + 6).join(""));
}

// tests/support/control-states.tsv: {phase: {column: 0 or 1}}.
function controlStates() {
    const lines = fs.readFileSync(path.join(source, "tests/support/control-states.tsv"), "utf8")
        .split("\n").filter((line) => line && !line.startsWith("#"));
    const columns = lines[0].split("\t");
    const table = {};
    for (const line of lines.slice(1)) {
        const fields = line.split("\t");
        table[fields[0]] = Object.fromEntries(columns.slice(1).map((c, i) => [c, Number(fields[i + 1])]));
    }
    return table;
}

// The English catalog's finished entries: [{context, source, translation}].
function catalog() {
    const ts = fs.readFileSync(path.join(source, "translations/quorvel_en.ts"), "utf8");
    const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };
    const text = (s) => s.replace(/&(amp|lt|gt|quot|apos);/g, (_, e) => entities[e]);
    const entries = [];
    for (const context of ts.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g))
        for (const m of context[2].matchAll(/<source>([^<]*)<\/source>[\s\S]*?<translation>([^<]*)<\/translation>/g))
            entries.push({ context: context[1], source: text(m[1]), translation: text(m[2]) });
    return entries;
}

// Runs rounds rounds at the fastest speed through the small button's prompt, as a user does,
// and waits until the run has stopped by itself.
async function runRounds(page, rounds) {
    await page.focus("#speedBar");
    await page.keyboard.press("End");
    await page.click("#runRoundsButton");
    await page.fill("dialog[open] input", String(rounds));
    await page.keyboard.press("Enter");
    await page.waitForFunction((target) => document.getElementById("roundCount").textContent === target
        && !window.quorvel.timer.isArmed(), String(rounds), patience);
}

// Chooses an entry of the chart's menu (opened by its button) and returns the file it saves.
async function saveFromChartMenu(page, entry) {
    await page.click("#chartMenuButton");
    const [download] = await Promise.all([page.waitForEvent("download"), page.click(`.menu >> text=${entry}`)]);
    return fs.readFileSync(await download.path());
}

module.exports = { openBrowser, openPage, simGame, pageBoard, controlStates, catalog, runRounds, saveFromChartMenu, pageUrl, patience };

// The browser edition's speed, measured in Debian's headless Chromium (not a test: the numbers
// depend on the machine). For each of `runs` fresh browsers at 1280 × 720:
//   load      ms from the start of navigation to the page being ready to play (file://);
//   rounds/s  at the fastest speed with the chart open, over 5 s, after 10^5 and after 10^6
//             points were put into the chart (rounds played directly, as fast as they go);
//   draw      ms for one drawing of the chart with 10^6 points, pixels included (median of 21);
//   timer     ticks per second of an empty setInterval at 1 ms in the same page, which browsers
//             stretch to 4 ms: what a plain repeating timer would allow (the page's does not
//             nest its timeouts, see web/roundTimer.js);
//   series    ms from "Start" to the result shown, for a Versuchsreihe of 10,000 games × 1,000
//             rounds (A and B) in its worker, and the worker's WebAssembly memory after it and
//             after one of 1,000 games × 1,000 rounds.
// Prints each run and the medians.
//   NODE_PATH=build/tests/web/driver/node_modules node bench/web-bench.js build-web/quorvel.html [runs]
"use strict";
const { chromium } = require("playwright-core");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { pathToFileURL } = require("url");

const [file, runsText] = process.argv.slice(2);
const runs = Number(runsText || 5);

async function roundsPerSecond(page) {
    return page.evaluate(() => new Promise((resolve) => {
        const round = () => Number(document.getElementById("roundCount").textContent);
        const r0 = round();
        const t0 = performance.now();
        setTimeout(() => resolve(((round() - r0) * 1000) / (performance.now() - t0)), 5000);
    }));
}

const fill = (page, points) => page.evaluate((n) => {
    while (window.quorvel.chart.hunters.length < n)
        window.quorvel.controller.onTick();
}, points);

async function run() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "quorvel-bench-"));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: "/usr/bin/chromium", headless: true, viewport: { width: 1280, height: 720 },
        args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    });
    const page = await context.newPage();
    await page.goto(`${pathToFileURL(file).href}?lang=en`);
    await page.waitForSelector("html[data-ready]", { state: "attached" });
    const load = await page.evaluate(() => performance.getEntriesByName("quorvel-ready")[0].startTime);
    const timer = await page.evaluate(() => new Promise((resolve) => {
        let ticks = 0;
        const t0 = performance.now();
        const handle = setInterval(() => {
            if (++ticks === 1000) {
                clearInterval(handle);
                resolve((ticks * 1000) / (performance.now() - t0));
            }
        }, 1);
    }));
    await page.click("#newGameButton");
    await page.click("#chartButton");
    await fill(page, 1e5);
    await page.focus("#speedBar");
    await page.keyboard.press("End");
    await page.click("#startStopButton");
    const rounds5 = await roundsPerSecond(page);
    await page.click("#startStopButton");
    await fill(page, 1e6);
    await page.click("#startStopButton");
    const rounds6 = await roundsPerSecond(page);
    const draw = await page.evaluate(() => {
        const times = [];
        for (let i = 0; i < 21; ++i) {
            const t = performance.now();
            window.quorvel.chart.drawOnScreen();
            window.quorvel.chart.context.getImageData(0, 0, 1, 1);
            times.push(performance.now() - t);
        }
        return times.sort((a, b) => a - b)[10];
    });
    await page.click("#startStopButton");
    await page.click("#seriesButton");
    const series = async (games) => {
        await page.fill("#gamesEdit", String(games));
        await page.fill("#roundsEdit", "1000");
        return page.evaluate(() => new Promise((resolve) => {
            const panel = window.quorvel.series;
            const t0 = performance.now();
            panel.onRunEnded(() => resolve({ ms: performance.now() - t0, memory: panel.runner.memory }));
            document.getElementById("seriesStartButton").click();
        }));
    };
    const small = await series(1000);
    const large = await series(10000);
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
    return { load, timer, rounds5, rounds6, draw, series: large.ms, memory1k: small.memory / 2 ** 20, memory10k: large.memory / 2 ** 20 };
}

(async () => {
    const results = [];
    for (let i = 0; i < runs; ++i) {
        const r = await run();
        results.push(r);
        console.log(`run ${i + 1}: load ${r.load.toFixed(0)} ms, ${r.rounds5.toFixed(1)} rounds/s at 10^5 points, `
            + `${r.rounds6.toFixed(1)} at 10^6, draw ${r.draw.toFixed(2)} ms, empty timer ${r.timer.toFixed(1)}/s, `
            + `series ${r.series.toFixed(0)} ms, memory ${r.memory1k.toFixed(1)} / ${r.memory10k.toFixed(1)} MiB`);
    }
    const median = (key) => results.map((r) => r[key]).sort((a, b) => a - b)[Math.floor(results.length / 2)];
    console.log(`median of ${runs}: load ${median("load").toFixed(0)} ms, ${median("rounds5").toFixed(1)} rounds/s at 10^5 points, `
        + `${median("rounds6").toFixed(1)} at 10^6, draw ${median("draw").toFixed(2)} ms, empty timer ${median("timer").toFixed(1)}/s, `
        + `series 10,000 × 1,000 ${median("series").toFixed(0)} ms, worker memory ${median("memory1k").toFixed(1)} MiB `
        + `(1,000 games) / ${median("memory10k").toFixed(1)} MiB (10,000 games)`);
})();

// One file, offline: opened from disk and from a static web server, with every request but the
// page's own refused, the page loads, plays a game and a Versuchsreihe, and asks for nothing beyond itself.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const http = require("http");
const { openBrowser, openPage, pageUrl, patience } = require("./support.js");

// A static server on the loopback that serves the page and nothing else.
function serve() {
    const html = fs.readFileSync(process.env.QUORVEL_PAGE);
    const server = http.createServer((request, response) => {
        const known = request.url.split("?")[0] === "/quorvel.html";
        response.writeHead(known ? 200 : 404, { "Content-Type": "text/html; charset=utf-8" });
        response.end(known ? html : "");
    });
    return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

test("the page asks for nothing beyond itself, from disk and from a server", async (t) => {
    const server = await serve();
    t.after(() => server.close());
    const served = `http://127.0.0.1:${server.address().port}/quorvel.html`;
    for (const url of [pageUrl, served]) {
        await t.test(url.split(":")[0], async () => {
            const browser = await openBrowser();
            const requests = [];
            browser.context.on("request", (request) => requests.push(request.url()));
            await browser.context.route("**/*", (route) =>
                route.request().url().split("?")[0] === url ? route.continue() : route.abort());
            const page = await openPage(browser.context, url === pageUrl ? "?lang=de" : "", url);
            await page.click("#newGameButton");
            await page.click("#chartButton");
            await page.click("#startStopButton");
            await page.waitForFunction(() => Number(document.getElementById("roundCount").textContent) >= 3, null, patience);
            // A Versuchsreihe plays in a worker made from the page itself.
            await page.click("#seriesButton");
            await page.fill("#gamesEdit", "50");
            await page.click("#seriesStartButton");
            await page.waitForFunction(() => document.getElementById("seriesProgress").value === 1000, null, patience);
            await page.click("#seriesCloseButton");
            await page.click("#rulesButton");
            assert.deepStrictEqual(requests.map((r) => r.split("?")[0]), [url]);
            await browser.close();
        });
    }
});

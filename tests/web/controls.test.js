// What the page enables in each phase of a game is tests/support/control-states.tsv, the table
// the desktop's tests read: driven through the phases by clicks, the page shows each row.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const { openBrowser, openPage, controlStates, patience } = require("./support.js");

const table = controlStates();

// The page's controls in the table's columns.
function shown(page) {
    return page.evaluate(() => {
        const enabled = (id) => Number(!document.getElementById(id).disabled);
        return {
            chart: enabled("chartButton"), simulation: enabled("simulationButton"),
            interactive: enabled("interactiveButton"), spray: enabled("sprayButton"), speed: enabled("speedBar"),
            startStop: enabled("startStopButton"), runRounds: enabled("runRoundsButton"), roll: enabled("rollButton"),
            replay: enabled("replayButton"),
            running: Number(document.getElementById("startStopButton").textContent === "Stop"),
            instruction: Number(getComputedStyle(document.getElementById("instructionLine")).visibility === "visible"),
            timer: Number(window.quorvel.timer.isArmed()),
        };
    });
}

// Rolls until a round leaves a choice to the player.
async function rollUntilChoice(page) {
    await page.waitForFunction(() => {
        if (document.getElementById("instructionLine").value)
            return true;
        document.getElementById("rollButton").click();
        return false;
    }, null, { ...patience, polling: 10 });
}

const steps = [
    ["opening the page", null, "BeforeFirstGame"],
    ["Neu", (page) => page.click("#newGameButton"), "SimulationStopped"],
    ["Start", (page) => page.click("#startStopButton"), "SimulationRunning"],
    ["Stop", (page) => page.click("#startStopButton"), "SimulationStopped"],
    ["Interaktiv", (page) => page.click("#interactiveButton"), "InteractiveReady"],
    ["Würfeln until a choice", rollUntilChoice, "ChoicePending"],
    ["Simulation", (page) => page.click("#simulationButton"), "SimulationStopped"],
    ["Interaktiv again", (page) => page.click("#interactiveButton"), "InteractiveReady"],
    ["Neu in Interaktiv", (page) => page.click("#newGameButton"), "InteractiveReady"],
];

test("each phase enables what the table says", async (t) => {
    const browser = await openBrowser();
    t.after(() => browser.close());
    const page = await openPage(browser.context, "?lang=de");
    for (const [action, act, phase] of steps) {
        if (act)
            await act(page);
        assert.strictEqual(await page.evaluate(() => window.quorvel.controller.phase().constructor.name.split("_").pop()), phase, action);
        assert.deepStrictEqual(await shown(page), table[phase], `${action}: ${phase}`);
    }
});

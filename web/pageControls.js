// The page as the game controller drives it (the controller's GameControls, called from the
// WebAssembly with the enumerations the bindings register), and the page's controls forwarding
// what the user does to the controller. What is enabled, what a click does and every rule of
// the game are the controller's; this file only shows and forwards.
"use strict";
const { qsTranslate, currentLanguage, setLanguage, onLanguageChanged } = require("./texts.js");
const { BoardView } = require("./board.js");
const { ChartView } = require("./chart.js");
const { ChartMenu } = require("./chartMenu.js");
const { ChartCommands } = require("./chartCommands.js");
const dialogs = require("./dialogs.js");
const { rulesTitle, rulesText } = require("./rules.js");

const byId = (id) => document.getElementById(id);

// The texts of the page's fixed parts: [element, text, hint], read anew in each language.
function fixedTexts() {
    return [
        ["boardCaption", qsTranslate("MainWindow", "Spielfeld")],
        ["settingsCaption", qsTranslate("MainWindow", "Einstellungen")],
        ["modeLabel", qsTranslate("MainWindow", "Modus")],
        ["interactiveButton", qsTranslate("MainWindow", "Interaktiv"), qsTranslate("MainWindow", "Benutzer fällt Entscheidungen")],
        ["simulationButton", qsTranslate("MainWindow", "Simulation"), qsTranslate("MainWindow", "ohne Benutzereingriff")],
        ["sprayButton", qsTranslate("MainWindow", "Insektizid"), qsTranslate("MainWindow", "Insektizideinsatz")],
        ["speedLabel", qsTranslate("MainWindow", "Geschwindigkeit")],
        ["speedBar", null, qsTranslate("MainWindow", "Geschwindigkeit der Simulation")],
        ["sprayRoundsBox", null, qsTranslate("MainWindow", "Anzahl der Runden, in denen Insektizid eingesetzt wird")],
        ["newGameButton", qsTranslate("MainWindow", "Neu"), qsTranslate("MainWindow", "Neue Simulation starten")],
        ["instructionLine", null, qsTranslate("MainWindow", "Anweisung für den Spieler")],
        ["sprayLabel", qsTranslate("MainWindow", "Insektizid")],
        ["gameNumberLabel", qsTranslate("MainWindow", "Spiel Nr.")],
        ["gameNumberLine", null, qsTranslate("MainWindow", "Nummer dieses Spiels: mit ihr lässt es sich wiederholen, auch mit quorvel-sim --seed")],
        ["replayButton", qsTranslate("MainWindow", "Nochmal"), qsTranslate("MainWindow", "Dasselbe Spiel noch einmal von vorn")],
        ["gameByNumberButton", qsTranslate("MainWindow", "Nr. …"), qsTranslate("MainWindow", "Ein Spiel nach seiner Nummer starten")],
        ["rulesButton", qsTranslate("MainWindow", "Spielregeln"), qsTranslate("MainWindow", "Wie das Spiel geht (F1)")],
        ["chartButton", null, qsTranslate("MainWindow", "Ein/Ausblenden eines Populationsverlaufs")],
        ["printButton", qsTranslate("MainWindow", "Drucken"), qsTranslate("MainWindow", "Diagramm drucken")],
        ["simulationLabel", qsTranslate("MainWindow", "Simulation")],
        ["startStopButton", null, qsTranslate("MainWindow", "Simulation starten/stoppen")],
        ["runRoundsButton", null, qsTranslate("MainWindow", "Eine bestimmte Zahl Spielzüge durchführen")],
        ["interactiveLabel", qsTranslate("MainWindow", "Interaktiv")],
        ["rollButton", qsTranslate("MainWindow", "Würfeln"), qsTranslate("MainWindow", "Nächste Runde")],
        ["seriesButton", qsTranslate("MainWindow", "Versuchsreihe …"), qsTranslate("MainWindow", "Viele Spiele ohne und mit Insektizid vergleichen")],
        ["analysisCaption", qsTranslate("MainWindow", "Analyse")],
        ["chart", null, qsTranslate("PopulationChart", "Mit Rechtsklick Diagrammeigenschaften ändern")],
        ["roundLabel", qsTranslate("MainWindow", "Durchgang:")],
        ["hunterLabel", qsTranslate("MainWindow", "Räuber:")],
        ["preyLabel", qsTranslate("MainWindow", "Beute:")],
        ["sideLabel", qsTranslate("MainWindow", "Spieler:")],
    ];
}

class PageControls {
    // module: the WebAssembly module, for its enumerations and its number parser.
    constructor(module) {
        this.module = module;
        this.controller = null;
        this.state = { running: false, chartShown: false, choice: module.Choice.None, side: null, credit: true };
        this.board = new BoardView(byId("board"), (x, y) => this.controller.onCellClicked(x, y));
        this.chart = new ChartView(byId("chart"));
        const C = module.Control;
        this.controls = new Map([
            [C.ChartButton, byId("chartButton")], [C.SimulationButton, byId("simulationButton")],
            [C.InteractiveButton, byId("interactiveButton")], [C.SprayButton, byId("sprayButton")],
            [C.SpeedBar, byId("speedBar")], [C.StartStopButton, byId("startStopButton")],
            [C.RunRoundsButton, byId("runRoundsButton")], [C.RollButton, byId("rollButton")],
            [C.ReplayButton, byId("replayButton")]]);
        this.gameNumberFromAddress = null;
        onLanguageChanged(() => this.showTexts());
        this.showTexts();
        // The credit line goes after two seconds; its hint keeps it.
        setTimeout(() => {
            this.state.credit = false;
            byId("creditLabel").textContent = "";
        }, 2000);
    }

    // --- what the user does ------------------------------------------------------------
    connect(controller) {
        this.controller = controller;
        const click = (id, handler) => byId(id).addEventListener("click", handler);
        click("newGameButton", () => controller.onNewGame());
        click("rollButton", () => controller.onRoll());
        click("startStopButton", () => controller.onStartStop());
        click("runRoundsButton", () => controller.onRunRounds());
        click("chartButton", () => controller.onToggleChart());
        click("replayButton", () => controller.onReplayGame());
        click("gameByNumberButton", () => controller.onGameByNumber());
        click("sprayButton", () => controller.onSpray(this.sprayRounds()));
        click("rulesButton", () => this.showRules());
        click("germanButton", () => setLanguage("de"));
        click("englishButton", () => setLanguage("en"));
        // Only the mode that becomes the chosen one acts.
        byId("interactiveButton").addEventListener("change", (e) => e.target.checked && controller.onInteractive());
        byId("simulationButton").addEventListener("change", (e) => e.target.checked && controller.onSimulation());

        const speed = byId("speedBar");
        speed.addEventListener("input", () => controller.onSpeedChanged(Number(speed.value)));
        speed.addEventListener("keydown", (event) => {
            const page = { PageUp: 50, PageDown: -50 }[event.key];
            if (!page)
                return;
            event.preventDefault();
            speed.value = Math.min(1000, Math.max(1, Number(speed.value) + page));
            controller.onSpeedChanged(Number(speed.value));
        });
        // A number outside 1 to 1000 is set to the nearer limit when the box is left; any
        // other text stays as typed.
        const box = byId("sprayRoundsBox");
        box.addEventListener("change", () => {
            const value = this.module.parseInteger(box.value);
            if (value !== null && (value < 1 || value > 1000))
                box.value = Math.min(1000, Math.max(1, value));
        });

        const commands = new ChartCommands(this.chart, controller);
        click("printButton", () => commands.print());
        const color = (text, which) => ({ text, run: () => commands.pickColor(which) });
        const menu = new ChartMenu([
            { text: () => qsTranslate("MainWindow", "Farbeinstellungen"), items: [
                { text: () => qsTranslate("MainWindow", "Monochrom"), run: () => this.chart.applyMonochrome() },
                { text: () => qsTranslate("MainWindow", "Standard"), run: () => this.chart.applyStandardColors() },
                null,
                color(() => qsTranslate("MainWindow", "Räuber"), "hunter"), color(() => qsTranslate("MainWindow", "Beute"), "prey"), color(() => qsTranslate("MainWindow", "Hintergrund"), "background"),
                color(() => qsTranslate("MainWindow", "Rahmenfarbe"), "border")] },
            { text: () => qsTranslate("MainWindow", "Daten Löschen"), run: () => commands.clear() },
            { text: () => qsTranslate("MainWindow", "-> Zwischenablage"), run: () => commands.copy() },
            null,
            { text: () => qsTranslate("MainWindow", "Daten als CSV speichern …"), run: () => commands.saveData() },
            { text: () => qsTranslate("MainWindow", "Diagramm als Bild speichern …"), run: () => commands.savePicture() }]);
        byId("chart").addEventListener("contextmenu", (event) => {
            event.preventDefault();
            const at = event.button === 2 || event.clientX ? [event.clientX, event.clientY] : corner(event.target);
            menu.open(at[0], at[1]);
        });
        byId("chartMenuButton").addEventListener("click", (event) => {
            const [x, y] = corner(event.currentTarget);
            menu.open(x, y);
        });
        document.addEventListener("keydown", (event) => {
            if (event.key === "F1") {
                event.preventDefault();
                this.showRules();
            }
        });
    }

    // The insecticide box's value: its whole number, or 1 for any other text.
    sprayRounds() {
        const value = this.module.parseInteger(byId("sprayRoundsBox").value);
        return value === null ? 1 : value;
    }

    // ?nr=N: the game of that number, as if typed into "Nr. …".
    openGame(number) {
        this.gameNumberFromAddress = number;
        this.controller.onGameByNumber();
    }

    showRules() {
        if (!document.querySelector("dialog.reading"))
            dialogs.read(rulesTitle(), rulesText());
    }

    // --- texts -------------------------------------------------------------------------
    showTexts() {
        for (const [id, text, hint] of fixedTexts()) {
            const e = byId(id);
            const target = e.type === "radio" ? e.nextElementSibling : e;
            if (text !== null && text !== undefined)
                target.textContent = text;
            if (hint) {
                e.title = hint;
                if (text === null)
                    e.setAttribute("aria-label", hint);
            }
        }
        const credit = qsTranslate("MainWindow", "© 2026 Das Quorvel-Team");
        byId("creditLabel").title = credit;
        byId("creditLabel").textContent = this.state.credit ? credit : "";
        byId("runRoundsButton").setAttribute("aria-label", qsTranslate("MainWindow", "Runden vorgeben"));
        byId("chartMenuButton").setAttribute("aria-label", qsTr("Menü des Diagramms"));
        byId("chartMenuButton").title = qsTr("Menü des Diagramms");
        byId("chart").setAttribute("aria-label", qsTranslate("MainWindow", "Analyse"));
        byId("germanButton").setAttribute("aria-pressed", String(currentLanguage() === "de"));
        byId("englishButton").setAttribute("aria-pressed", String(currentLanguage() === "en"));
        this.showRunning(this.state.running);
        this.showInstruction(this.state.choice);
        this.showChartButton();
        if (this.state.side !== null)
            this.showSide(this.state.side);
    }

    showChartButton() {
        byId("chartButton").textContent = this.state.chartShown ? qsTranslate("MainWindow", "Diagramm <<") : qsTranslate("MainWindow", "Diagramm >>");
    }

    // --- GameControls ------------------------------------------------------------------
    setControlEnabled(control, enabled) {
        this.controls.get(control).disabled = !enabled;
    }

    showRunning(running) {
        this.state.running = running;
        byId("startStopButton").textContent = running ? qsTranslate("MainWindow", "Stop") : qsTranslate("MainWindow", "Start");
    }

    setInstructionVisible(visible) {
        byId("instructionLine").style.visibility = visible ? "" : "hidden";
    }

    showInstruction(choice) {
        this.state.choice = choice;
        const C = this.module.Choice;
        byId("instructionLine").value = choice === C.PlacePrey ? qsTranslate("MainWindow", "Beute plazieren")
            : choice === C.RemoveHunter ? qsTranslate("MainWindow", "Räuber stirbt") : "";
    }

    showCounts(round, hunters, prey) {
        byId("roundCount").textContent = round;
        byId("hunterCount").textContent = hunters;
        byId("preyCount").textContent = prey;
    }

    showSide(side) {
        this.state.side = side;
        byId("sideName").textContent = side === this.module.Side.Hunter ? qsTranslate("MainWindow", "Räuber") : qsTranslate("MainWindow", "Beute");
    }

    resetBoard() {
        this.board.reset();
    }

    setFramesSolid() {
        this.board.setFramesSolid();
    }

    showCell(x, y, content) {
        const C = this.module.Cell;
        this.board.show(x, y, content === C.Prey ? "prey" : content === C.Hunter ? "hunter" : "empty");
    }

    // color is 0x00BBGGRR.
    setFrameColor(x, y, color) {
        const hex = (shift) => ((color >> shift) & 255).toString(16).padStart(2, "0");
        this.board.setFrameColor(x, y, `#${hex(0)}${hex(8)}${hex(16)}`);
    }

    setSprayLabelVisible(visible) {
        byId("sprayLabel").classList.toggle("hiddenLook", !visible);
    }

    showChartPanel(shown) {
        this.state.chartShown = shown;
        this.showChartButton();
        byId("printButton").disabled = !shown;
        byId("analysisBox").hidden = !shown;
        document.body.classList.toggle("chartOpen", shown);
        this.chart.setShown(shown);
    }

    appendChartPoint(hunters, prey) {
        this.chart.append(hunters, prey);
    }

    clearChart() {
        this.chart.clear();
    }

    // Whether confirmed or not does not matter: a cancel leaves the entry empty.
    askRoundCount() {
        dialogs.prompt(qsTranslate("MainWindow", "Rundenvorgabe"), qsTranslate("MainWindow", "Wieviele Runden sollen simuliert werden"), "",
            (confirmed, entry) => this.controller.onRoundCountEntered(confirmed ? entry : ""));
    }

    reportInvalidRoundCount() {
        dialogs.message(qsTranslate("MainWindow", "Die Eingabe war keine gültige Zahl!"));
    }

    showGameNumber(number) {
        byId("gameNumberLine").value = String(number);
    }

    askGameNumber(suggestion) {
        if (this.gameNumberFromAddress !== null) {
            const entry = this.gameNumberFromAddress;
            this.gameNumberFromAddress = null;
            this.controller.onGameNumberEntered(entry);
            return;
        }
        dialogs.prompt(qsTranslate("MainWindow", "Spiel nach Nummer"), qsTranslate("MainWindow", "Nummer des Spiels (0 bis 4294967295)"),
            suggestion === null ? "" : String(suggestion),
            (confirmed, entry) => this.controller.onGameNumberEntered(confirmed ? entry : null));
    }

    reportInvalidGameNumber() {
        dialogs.message(qsTranslate("MainWindow", "Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."));
    }
}

// The lower left corner of element, where a menu opened from the keyboard appears.
function corner(element) {
    const box = element.getBoundingClientRect();
    return [box.left, box.bottom];
}

module.exports = { PageControls };

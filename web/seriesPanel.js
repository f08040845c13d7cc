// The "Versuchsreihe" panel, the page's counterpart of the desktop's window of that name: many
// games played without showing them, each once without insecticide (A) and once with a spraying
// plan (B), summed up side by side in a chart and a table per condition, saved as CSV or as a
// picture. The entries are checked by the batch's code and refused with the window's messages; a
// series plays in a worker while the game goes on behind the panel, and its result replaces the
// one shown only once it is complete, so a cancelled series leaves the previous result (or none).
// Closing the panel cancels a running series.
"use strict";
const { qsTranslate, arg, onLanguageChanged } = require("./texts.js");
const dialogs = require("./dialogs.js");
const { download } = require("./chartCommands.js");
const { SeriesChartView } = require("./seriesChart.js");
const { SeriesRunner } = require("./seriesRunner.js");
const { SvgContext } = require("./svgContext.js");

const byId = (id) => document.getElementById(id);
const tr = (text) => qsTranslate("SeriesWindow", text);
// A label without the & of its keyboard shortcut, which the page does not offer.
const plain = (text) => text.replace(/&(.)/g, "$1");

// The decimal mark of the language, in the table and in the saved CSV.
const decimal = (value) => value.toFixed(1).replace(".", tr(","));
const percent = (value) => arg(tr("%1 %"), decimal(value));

class SeriesPanel {
    // module: the page's WebAssembly module; controller: the game's, for the number in play;
    // wasm: the WebAssembly's bytes, for the worker.
    constructor(module, controller, wasm) {
        this.module = module;
        this.controller = controller;
        this.runner = new SeriesRunner(wasm);
        this.dialog = byId("seriesPanel");
        this.result = null;
        this.running = false;
        this.offeredGame = null;
        this.listeners = [];
        this.entries = ["games", "rounds", "firstGame", "sprayStart", "sprayRounds", "sprayPeriod"]
            .map((name) => byId(`${name}Edit`));
        for (const entry of this.entries)
            Object.assign(entry, { type: "text", autocomplete: "off", inputMode: "numeric", maxLength: 255 });
        this.charts = [new SeriesChartView(byId("unsprayedChart"), () => tr("Diagramm A")),
            new SeriesChartView(byId("sprayedChart"), () => tr("Diagramm B"))];
        this.tables = [byId("unsprayedTable"), byId("sprayedTable")];
        for (const table of this.tables) {
            table.createTHead().insertRow().append(...[0, 1, 2].map(() => document.createElement("th")));
            const body = table.createTBody();
            for (let row = 0; row < 5; ++row) {
                const cells = body.insertRow();
                const name = document.createElement("th");
                name.scope = "row";
                cells.append(name);
                cells.insertCell();
                cells.insertCell();
            }
        }

        byId("seriesButton").addEventListener("click", () => this.open());
        // Enter in an entry presses Start, as it confirms a dialog.
        byId("seriesForm").addEventListener("submit", (event) => {
            event.preventDefault();
            this.start();
        });
        byId("seriesCancelButton").addEventListener("click", () => this.cancel());
        byId("seriesSaveDataButton").addEventListener("click", () => this.saveData());
        byId("seriesSavePictureButton").addEventListener("click", () => this.savePicture());
        byId("seriesCloseButton").addEventListener("click", () => this.dialog.close());
        byId("repeatBox").addEventListener("change", () => {
            byId("sprayPeriodEdit").disabled = !byId("repeatBox").checked;
        });
        this.dialog.addEventListener("close", () => this.cancel());
        onLanguageChanged(() => this.showTexts());
        this.showTexts();
    }

    // listener() is called when a series has ended, complete or cancelled, and the panel shows
    // what it now shows.
    onRunEnded(listener) {
        this.listeners.push(listener);
    }

    open() {
        this.offerFirstGame(this.controller.gameNumber());
        if (!this.dialog.open)
            this.dialog.showModal();
    }

    // The number of the game in play, once for each game (a number typed since stays until
    // another game is in play); before any game, a fresh number from the clock when the entry
    // is empty.
    offerFirstGame(gameInPlay) {
        const entry = byId("firstGameEdit");
        if (gameInPlay !== null && gameInPlay !== this.offeredGame) {
            entry.value = String(gameInPlay);
            this.offeredGame = gameInPlay;
        } else if (gameInPlay === null && entry.value === "") {
            entry.value = String(this.module.gameNumberFromClock());
        }
    }

    refuse(entry, message) {
        dialogs.message(message, null, () => {
            entry.focus();
            entry.select();
        });
    }

    // The settings, or null when an entry is out of its range: then its message is shown and
    // the keyboard goes back to it.
    readSettings() {
        const Entry = this.module.SeriesEntry;
        const [games, rounds, firstGame, sprayStart, sprayRounds, sprayPeriod] = this.entries;
        // A text that is no number is as far out of range as a negative one.
        const number = (entry) => {
            const value = this.module.parseInteger(entry.value);
            return value === null ? -1 : value;
        };
        const settings = {
            games: number(games), rounds: number(rounds), firstGame: 0,
            sprayStart: number(sprayStart), sprayRounds: number(sprayRounds), sprayPeriod: 0,
        };
        // Unchecked, the period is not read; checked, "every 0 rounds" is no period.
        if (byId("repeatBox").checked)
            settings.sprayPeriod = number(sprayPeriod) || -1;
        const first = this.module.parseGameNumber(firstGame.value);
        const invalid = this.module.invalidSeriesEntry(settings);
        // The entries in the form's order: the game number comes after the rounds.
        if (invalid === Entry.Games)
            this.refuse(games, arg(tr("Die Zahl der Spiele ist eine ganze Zahl von 1 bis %1."), this.module.seriesMaxGames));
        else if (invalid === Entry.Rounds)
            this.refuse(rounds, arg(tr("Die Zahl der Runden je Spiel ist eine ganze Zahl von 1 bis %1."), this.module.seriesMaxRounds));
        else if (first === null)
            this.refuse(firstGame, tr("Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."));
        else if (invalid === Entry.SprayStart)
            this.refuse(sprayStart, arg(tr("Das Insektizid beginnt in einer Runde von 1 bis %1, der Zahl der Runden je Spiel."), settings.rounds));
        else if (invalid === Entry.SprayRounds)
            this.refuse(sprayRounds, arg(tr("Ein Insektizideinsatz dauert 1 bis %1 Runden."), this.module.seriesMaxRounds));
        else if (invalid === Entry.SprayPeriod)
            this.refuse(sprayPeriod, arg(tr("Ein Insektizideinsatz wiederholt sich alle 1 bis %1 Runden."), this.module.seriesMaxRounds));
        else
            return Object.assign(settings, { firstGame: first });
        return null;
    }

    // Reads the settings and starts the series, or refuses the first entry out of its range.
    // Nothing while a series runs.
    start() {
        if (this.running)
            return;
        const settings = this.readSettings();
        if (!settings)
            return;
        this.setRunning(true);
        this.runner.start(settings, (share) => {
            byId("seriesProgress").value = Math.round(share * 1000);
        }, (totals) => {
            this.result?.delete();
            this.result = this.module.SeriesResult.fromTotals(settings, totals);
            this.showResult();
            this.finishRun(true);
        }, (message) => {
            this.finishRun(false);
            dialogs.message(message, qsTranslate("ErrorReporting", "Anwendungsfehler"));
        });
    }

    // Stops a running series; the result shown stays as it was.
    cancel() {
        if (!this.running)
            return;
        this.runner.cancel();
        this.finishRun(false);
    }

    isRunning() {
        return this.running;
    }

    finishRun(complete) {
        this.setRunning(false);
        byId("seriesProgress").value = complete ? 1000 : 0;
        for (const listener of this.listeners)
            listener();
    }

    setRunning(running) {
        this.running = running;
        byId("seriesSettings").disabled = running;
        byId("seriesStartButton").disabled = running;
        byId("seriesCancelButton").disabled = !running;
        byId("seriesSaveDataButton").disabled = running || !this.result;
        byId("seriesSavePictureButton").disabled = running || !this.result;
        if (running)
            byId("seriesProgress").value = 0;
        if (this.dialog.open)
            byId(running ? "seriesCancelButton" : "seriesStartButton").focus();
    }

    showTexts() {
        const texts = [
            ["seriesTitle", tr("Versuchsreihe")], ["seriesSettingsCaption", tr("Einstellungen")],
            ["seriesStartButton", tr("Start"), tr("Die Versuchsreihe spielen")],
            ["seriesCancelButton", tr("Abbrechen"), tr("Die laufende Versuchsreihe abbrechen")],
            ["seriesSaveDataButton", tr("Als CSV speichern …")], ["seriesSavePictureButton", tr("Als Bild speichern …")],
            ["seriesCloseButton", qsTranslate("dialogs", "Schließen")],
            ["sprayRoundsUnit", tr("Runden,")], ["sprayPeriodUnit", tr("Runden")],
        ];
        for (const [id, text, hint] of texts) {
            byId(id).textContent = text;
            if (hint)
                byId(id).title = hint;
        }
        // Each entry: its label, its hint and its name for screen readers, as in the window.
        const entries = [
            ["&Spiele:", "1 bis 100000 Spiele, jedes einmal ohne und einmal mit Insektizid", "Anzahl der Spiele"],
            ["&Runden je Spiel:", "1 bis 100000 Runden", "Runden je Spiel"],
            ["&Erste Spielnummer:", "Die Spiele haben die Nummern ab dieser, wie „Nr. …“ sie spielt", "Erste Spielnummer"],
            ["B mit Insektizid: &ab Runde", null, "Insektizid ab Runde"],
            ["&für", null, "Runden je Insektizideinsatz"],
            [null, null, "Einsatz wiederholt alle … Runden"]];
        entries.forEach(([label, hint, name], i) => {
            const entry = this.entries[i];
            if (label)
                entry.labels[0].textContent = plain(tr(label));
            entry.title = hint ? tr(hint) : "";
            entry.setAttribute("aria-label", tr(name));
        });
        const repeat = byId("repeatBox");
        repeat.nextElementSibling.textContent = plain(tr("&wiederholt alle"));
        repeat.setAttribute("aria-label", tr("Einsatz wiederholen"));
        byId("seriesProgress").setAttribute("aria-label", tr("Fortschritt der Versuchsreihe"));
        this.tables.forEach((table, i) => {
            table.setAttribute("aria-label", tr(i === 0 ? "Kennzahlen A" : "Kennzahlen B"));
            const head = table.tHead.rows[0].cells;
            head[1].textContent = tr("Räuber");
            head[2].textContent = tr("Beute");
        });
        const names = [tr("Erstes Aussterben: mittlere Runde"), tr("Erstes Aussterben: Median der Runden"),
            tr("Spiele mit Aussterben (n)"), tr("Am Ende ausgestorben"), tr("95-%-Intervall (Wilson)")];
        for (const table of this.tables)
            names.forEach((name, row) => {
                table.tBodies[0].rows[row].cells[0].textContent = name;
            });
        this.showResult();
    }

    showResult() {
        const result = this.result;
        byId("unsprayedTitle").textContent = tr("A: ohne Insektizid");
        if (!result) {
            byId("sprayedTitle").textContent = tr("B: mit Insektizid");
            byId("seriesSummary").textContent = tr("Noch keine Versuchsreihe: Einstellungen wählen und „Start“ drücken.");
        } else {
            const s = result.settings();
            byId("sprayedTitle").textContent = s.sprayPeriod > 0
                ? arg(tr("B: Insektizid ab Runde %1 für %2 Runden, alle %3 Runden wiederholt"), s.sprayStart, s.sprayRounds, s.sprayPeriod)
                : arg(tr("B: Insektizid ab Runde %1 für %2 Runden"), s.sprayStart, s.sprayRounds);
            // Game numbers run on modulo 2^32, as quorvel-sim's seeds do.
            const last = (s.firstGame + s.games - 1) % 4294967296;
            byId("seriesSummary").textContent = arg(tr("%1 Spiele zu je %2 Runden, Spielnummern %3 bis %4, jedes einmal ohne (A) und "
                + "einmal mit Insektizid (B); gezählt nach jeder Runde."), s.games, s.rounds, s.firstGame, last);
        }
        const { SeriesCondition, Side } = this.module;
        [SeriesCondition.Unsprayed, SeriesCondition.Sprayed].forEach((condition, i) => {
            this.charts[i].setShown(result && {
                rounds: result.settings().rounds,
                sprayedRounds: condition === SeriesCondition.Sprayed ? result.sprayedRounds() : [],
                curves: [result.curves(condition, Side.Hunter), result.curves(condition, Side.Prey)],
            });
            [Side.Hunter, Side.Prey].forEach((side, column) => {
                const t = result && result.table(condition, side);
                const texts = !t ? ["", "", "", "", ""] : [
                    t.firstGames > 0 ? decimal(t.firstMean) : "–", t.firstGames > 0 ? decimal(t.firstMedian) : "–",
                    String(t.firstGames), percent(t.endPercent), arg(tr("%1 bis %2"), percent(t.endLower), percent(t.endUpper))];
                texts.forEach((text, row) => {
                    this.tables[i].tBodies[0].rows[row].cells[1 + column].textContent = text;
                });
            });
        });
    }

    fileName(extension) {
        return arg(tr("quorvel-versuchsreihe-%1.%2"), this.result.settings().firstGame, extension);
    }

    // The result as CSV: the columns of quorvel-sim's summary per round, A and B side by side, in
    // the language's conventions (those of the chart's CSV), UTF-8 with a byte order mark and CR LF.
    saveData() {
        if (!this.result)
            return;
        const bytes = this.result.csv({
            separator: qsTranslate("ChartExport", ";"),
            decimalMark: tr(","),
            round: qsTranslate("ChartExport", "Durchgang"),
            sides: [qsTranslate("ChartExport", "Räuber"), qsTranslate("ChartExport", "Beute")],
            figures: [tr("Mittel"), tr("P10"), tr("P90"), tr("ausgestorben %"), tr("schon ausgestorben %")],
        });
        download(new Blob([new Uint8Array([0xEF, 0xBB, 0xBF]), bytes], { type: "text/csv" }), this.fileName("csv"));
    }

    // The results as shown, as a PNG picture at screen size or twice that, or as an SVG drawing.
    savePicture() {
        if (!this.result)
            return;
        const scales = [1, 2, 0];
        dialogs.choose(tr("Versuchsreihe als Bild speichern"), [tr("PNG-Bild in Bildschirmgröße (*.png)"),
            tr("PNG-Bild in doppelter Größe (*.png)"), tr("SVG-Grafik (*.svg)")], (index) => {
            if (index === null)
                return;
            const panel = byId("seriesResults");
            const [width, height] = [panel.clientWidth, panel.clientHeight];
            if (scales[index] === 0) {
                const svg = new SvgContext(width, height);
                this.paintResults(svg);
                download(new Blob([svg.svg(tr("Quorvel, Versuchsreihe"))], { type: "image/svg+xml" }), this.fileName("svg"));
                return;
            }
            const canvas = document.createElement("canvas");
            canvas.width = width * scales[index];
            canvas.height = height * scales[index];
            const context = canvas.getContext("2d");
            context.scale(scales[index], scales[index]);
            this.paintResults(context);
            canvas.toBlob((png) => download(png, this.fileName("png")), "image/png");
        });
    }

    // Paints the results where they stand on screen, into any 2D context: the summary, and for
    // each condition its box with its title, its chart and its table.
    paintResults(context) {
        const panel = byId("seriesResults");
        const origin = panel.getBoundingClientRect();
        const box = (e) => {
            const r = e.getBoundingClientRect();
            return { x: r.left - origin.left, y: r.top - origin.top, width: r.width, height: r.height };
        };
        // An element's text on one line or, wrapped at its width, on several.
        const text = (e) => {
            const style = getComputedStyle(e);
            const b = box(e);
            context.font = `${Number(style.fontWeight) >= 600 ? "bold " : ""}${style.fontSize} ${style.fontFamily}`;
            context.fillStyle = style.color;
            context.textBaseline = "middle";
            const right = style.textAlign === "right";
            context.textAlign = right ? "right" : "left";
            const x = right ? b.x + b.width - parseFloat(style.paddingRight) : b.x + parseFloat(style.paddingLeft);
            const lines = [""];
            for (const word of e.textContent.split(" ")) {
                const longer = lines[lines.length - 1] ? `${lines[lines.length - 1]} ${word}` : word;
                if (lines[lines.length - 1] && context.measureText(longer).width > b.width)
                    lines.push(word);
                else
                    lines[lines.length - 1] = longer;
            }
            const line = b.height / lines.length;
            lines.forEach((words, i) => context.fillText(words, x, b.y + line * (i + 0.5)));
        };
        context.fillStyle = getComputedStyle(this.dialog).backgroundColor;
        context.fillRect(0, 0, origin.width, origin.height);
        text(byId("seriesSummary"));
        for (const section of panel.querySelectorAll("section")) {
            const b = box(section);
            context.fillStyle = getComputedStyle(section).backgroundColor;
            context.fillRect(b.x, b.y, b.width, b.height);
            context.strokeStyle = getComputedStyle(section).borderTopColor;
            context.lineWidth = 1;
            context.strokeRect(b.x + 0.5, b.y + 0.5, b.width - 1, b.height - 1);
            text(section.querySelector("h3"));
            for (const cell of section.querySelectorAll("th, td"))
                text(cell);
        }
        this.charts.forEach((chart) => {
            const b = box(chart.canvas);
            chart.paint(context, b.x, b.y, b.width, b.height);
        });
    }
}

module.exports = { SeriesPanel };

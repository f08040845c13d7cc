// What the chart's menu and the print button do: the two colour schemes, a colour for each
// part, clearing, copying the picture, saving the data as CSV (the controller writes it, byte
// for byte the desktop's file) and the picture as PNG or SVG, and printing a page that shows
// the chart.
"use strict";
const { qsTranslate, arg } = require("./texts.js");
const dialogs = require("./dialogs.js");
const { SvgContext } = require("./svgContext.js");

class ChartCommands {
    constructor(chart, controller) {
        this.chart = chart;
        this.controller = controller;
        this.picker = document.createElement("input");
        this.picker.type = "color";
        this.picker.className = "offscreen";
        this.picker.tabIndex = -1;
        this.picker.setAttribute("aria-hidden", "true");
        this.picker.addEventListener("change", () => this.chart.setColor(this.picking, this.picker.value));
        document.body.append(this.picker);
        const printPicture = document.getElementById("printPicture");
        let title = document.title;
        addEventListener("beforeprint", () => {
            title = document.title;
            document.title = qsTranslate("PopulationChart", "diagramm");
            printPicture.src = this.chart.picture(3).toDataURL("image/png");
        });
        addEventListener("afterprint", () => {
            document.title = title;
        });
    }

    // which: "hunter", "prey", "background" or "border"; the browser's colour dialog starts at
    // the colour of now, and a cancelled one changes nothing.
    pickColor(which) {
        this.picking = which;
        this.picker.value = this.chart.look[which];
        this.picker.click();
    }

    clear() {
        this.controller.onClearChart();
    }

    fileName(extension) {
        const number = this.controller.gameNumber();
        return number === null ? `quorvel.${extension}` : arg(qsTranslate("ChartCommands", "quorvel-spiel-%1.%2"), number, extension);
    }

    saveData() {
        const blocks = [];
        // The separator goes with the language, as a spreadsheet of that language expects.
        this.controller.chartCsv(qsTranslate("ChartExport", "Durchgang"), qsTranslate("ChartExport", "Räuber"),
            qsTranslate("ChartExport", "Beute"), qsTranslate("ChartExport", ";"), (block) => blocks.push(block));
        download(new Blob(blocks, { type: "text/csv" }), this.fileName("csv"));
    }

    savePicture() {
        const scales = [1, 2, 4, 0];
        dialogs.choose(qsTranslate("ChartCommands", "Diagramm als Bild speichern"), [
            qsTranslate("ChartCommands", "PNG-Bild in Bildschirmgröße (*.png)"),
            qsTranslate("ChartCommands", "PNG-Bild in doppelter Größe (*.png)"),
            qsTranslate("ChartCommands", "PNG-Bild in vierfacher Größe (*.png)"),
            qsTranslate("ChartCommands", "SVG-Grafik (*.svg)")], (index) => {
            if (index === null)
                return;
            if (scales[index] === 0)
                this.saveSvg();
            else
                this.chart.picture(scales[index]).toBlob((png) => download(png, this.fileName("png")), "image/png");
        });
    }

    saveSvg() {
        const { width, height } = this.chart.size();
        const svg = new SvgContext(width, height);
        this.chart.paint(svg, width, height, 1);
        const number = this.controller.gameNumber();
        const title = number === null ? "Quorvel" : arg(qsTranslate("ChartCommands", "Quorvel, Spiel %1"), number);
        download(new Blob([svg.svg(title)], { type: "image/svg+xml" }), this.fileName("svg"));
    }

    // Where the browser allows a page to write pictures to the clipboard; elsewhere it says so.
    copy() {
        const refused = () => dialogs.message(`${qsTranslate("ChartView", "Zwischenablage kann nicht geöffnet werden")}.`, "Quorvel");
        if (!navigator.clipboard || !window.ClipboardItem) {
            refused();
            return;
        }
        const png = new Promise((resolve) => this.chart.picture(1).toBlob(resolve, "image/png"));
        navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).catch(refused);
    }

    print() {
        window.print();
    }
}

// Hands blob to the browser to save as name.
function download(blob, name) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

module.exports = { ChartCommands, download };

// One condition of a Versuchsreihe as a picture, drawn as the desktop's window draws it: above,
// the mean count of hunters (red) and prey (blue) after every round, each in a light band from the
// 10th to the 90th percentile of the games, on an axis of 0 to 36 animals; below, the share of
// games in which each side stands at 0 after the round (solid) and in which it has stood at 0 at
// some round so far (dashed), 0 to 100 %. The rounds that spray are shaded green. Without a
// result only the axes show. It paints into any 2D context (the screen's canvas, a larger one for
// a PNG, an SvgContext).
"use strict";
const { qsTranslate, arg, onLanguageChanged } = require("./texts.js");

const hunterColor = "rgb(220, 0, 0)";
const preyColor = "rgb(0, 0, 230)";
const bandColors = ["rgba(220, 0, 0, 0.196)", "rgba(0, 0, 230, 0.196)"];
const sprayColor = "rgba(0, 170, 0, 0.176)";
const gridColor = "#e1e1e1";
// Darker than the desktop's grey, so the legend reads at 4.5 : 1 on white.
const noteColor = "#5f5f5f";
const family = '"Liberation Sans", Arial, Helvetica, sans-serif';

// The points of value(c) for checkpoints c = 0 … n - 1 spread over plot, top the value at the
// plot's top edge. Where there are more than two checkpoints per pixel column, each column keeps
// its lowest and highest value ("both") or one of them ("lowest", "highest"), which keeps the
// shape of a dense curve at any size.
function curve(values, plot, top, keep) {
    const n = values.length;
    const last = Math.max(1, n - 1);
    const at = (c, v) => [plot.left + (plot.width * c) / last, plot.bottom - (plot.height * v) / top];
    const points = [];
    const columns = Math.max(1, Math.floor(plot.width));
    if (n <= 2 * columns) {
        for (let c = 0; c < n; ++c)
            points.push(at(c, values[c]));
        return points;
    }
    for (let column = 0; column < columns; ++column) {
        const first = Math.floor((column * n) / columns);
        const end = Math.floor(((column + 1) * n) / columns);
        let lowest = values[first];
        let highest = lowest;
        for (let c = first + 1; c < end; ++c) {
            lowest = Math.min(lowest, values[c]);
            highest = Math.max(highest, values[c]);
        }
        if (keep !== "highest")
            points.push(at(first, lowest));
        if (keep !== "lowest")
            points.push(at(first, highest));
    }
    return points;
}

// The step between labelled rounds, 1, 2 or 5 times a power of ten, that leaves each label room.
function roundStep(rounds, width, labelWidth) {
    for (let power = 1; ; power *= 10)
        for (const step of [power, 2 * power, 5 * power])
            if (step >= rounds || (Math.floor(rounds / step) + 1) * labelWidth * 2 <= width)
                return step;
}

function polyline(context, points) {
    context.beginPath();
    points.forEach(([x, y], i) => (i ? context.lineTo(x, y) : context.moveTo(x, y)));
    context.stroke();
}

class SeriesChartView {
    // name: the chart's accessible name, a function of the language.
    constructor(canvas, name) {
        this.canvas = canvas;
        this.name = name;
        this.shown = null;
        this.font = 16;
        new ResizeObserver(() => this.update()).observe(canvas);
        onLanguageChanged(() => this.update());
    }

    // shown: {rounds, sprayedRounds, curves: [hunters', prey's]} with each side's curves
    // {mean, p10, p90, extinct, once}, or null.
    setShown(shown) {
        this.shown = shown;
        this.update();
    }

    update() {
        this.canvas.setAttribute("aria-label", this.name());
        const width = this.canvas.clientWidth;
        const height = this.canvas.clientHeight;
        if (width === 0 || height === 0)
            return;
        this.font = parseFloat(getComputedStyle(this.canvas).fontSize);
        const ratio = window.devicePixelRatio || 1;
        this.canvas.width = Math.round(width * ratio);
        this.canvas.height = Math.round(height * ratio);
        const context = this.canvas.getContext("2d");
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        this.paint(context, 0, 0, width, height);
    }

    // Paints the chart into the rectangle at (x, y) of width × height of any context.
    paint(context, x, y, width, height) {
        const font = this.font;
        const line = font * 1.25;
        context.save();
        context.translate(x, y);
        context.fillStyle = "#ffffff";
        context.fillRect(0, 0, width, height);
        context.font = `${font}px ${family}`;
        const left = context.measureText("100 %").width + 8;
        const rounds = this.shown ? this.shown.rounds : 0;
        // Room at the right for half the last round's label.
        const right = width - Math.max(10, context.measureText(String(rounds)).width / 2 + 2);
        // From the top: a legend, the counts, a legend, the shares, the rounds' labels and title.
        // Where the chart is too narrow for a legend on one line above the plot, the legends
        // start at the left edge and take as many lines as they need.
        const items = [this.legend(context, "counts"), this.legend(context, "shares")];
        const fits = items.every((legend) => legend.reduce((sum, item) => sum + item.width, 0) <= right - left);
        const legendLeft = fits ? left : 4;
        const legends = items.map((legend) => wrapped(legend, right - legendLeft));
        // A legend over the value labels leaves room for the upper half of the top one.
        const gap = fits ? 0 : font / 2;
        const plotsHeight = height - (legends[0].lines + legends[1].lines + 2) * line - 18 - 2 * gap;
        const counts = { left, top: legends[0].lines * line + 6 + gap, width: right - left, height: plotsHeight * 0.62 };
        counts.bottom = counts.top + counts.height;
        const shares = { left, top: counts.bottom + legends[1].lines * line + 10 + gap, width: right - left, height: plotsHeight * 0.38 };
        shares.bottom = shares.top + shares.height;
        const roundX = (round) => left + ((right - left) * round) / Math.max(rounds, 1);

        // The rounds that spray, each round's spraying between the counts before and after it.
        const sprayed = this.shown ? this.shown.sprayedRounds : [];
        context.fillStyle = sprayColor;
        for (let i = 0; i < sprayed.length;) {
            let j = i;
            while (j + 1 < sprayed.length && sprayed[j + 1] === sprayed[j] + 1)
                ++j;
            const from = roundX(sprayed[i] - 1);
            for (const plot of [counts, shares])
                context.fillRect(from, plot.top, Math.max(1, roundX(sprayed[j]) - from), plot.height);
            i = j + 1;
        }

        // Grid lines and the value labels at the left.
        context.lineWidth = 1;
        context.textAlign = "right";
        context.textBaseline = "middle";
        const valueLines = (plot, values, top, unit) => {
            for (const value of values) {
                const y = plot.bottom - (plot.height * value) / top;
                context.strokeStyle = gridColor;
                polyline(context, [[plot.left, y], [right, y]]);
                context.fillStyle = "#000000";
                context.fillText(unit ? arg(unit, value) : String(value), left - 4, y);
            }
        };
        valueLines(counts, [0, 6, 12, 18, 24, 30, 36], 36, null);
        valueLines(shares, [0, 50, 100], 100, qsTranslate("SeriesChart", "%1 %"));

        // The rounds along the bottom, their ticks through both plots.
        const labelsTop = shares.bottom + 3;
        context.textAlign = "center";
        context.textBaseline = "top";
        if (rounds > 0) {
            const step = roundStep(rounds, right - left, context.measureText(String(rounds)).width);
            for (let round = 0; round <= rounds; round += step) {
                const x = roundX(round);
                context.strokeStyle = gridColor;
                for (const plot of [counts, shares])
                    polyline(context, [[x, plot.top], [x, plot.bottom]]);
                context.fillStyle = "#000000";
                context.fillText(String(round), x, labelsTop);
            }
        }
        context.fillText(qsTranslate("SeriesChart", "Runde"), (left + right) / 2, labelsTop + line);

        paintLegend(context, legends[0].items, legendLeft, font + 2, line);
        paintLegend(context, legends[1].items, legendLeft, counts.bottom + 6 + font + 2, line);

        if (this.shown) {
            this.shown.curves.forEach((figures, side) => {
                const color = side === 0 ? hunterColor : preyColor;
                const band = [...curve(figures.p90, counts, 36, "highest"), ...curve(figures.p10, counts, 36, "lowest").reverse()];
                context.fillStyle = bandColors[side];
                context.beginPath();
                band.forEach(([bx, by], i) => (i ? context.lineTo(bx, by) : context.moveTo(bx, by)));
                context.closePath();
                context.fill();
                context.strokeStyle = color;
                context.lineWidth = 1.5;
                polyline(context, curve(figures.mean, counts, 36, "both"));
                polyline(context, curve(figures.extinct, shares, 100, "both"));
                context.setLineDash([6, 3]);
                polyline(context, curve(figures.once, shares, 100, "both"));
                context.setLineDash([]);
            });
        } else {
            context.fillStyle = noteColor;
            context.textAlign = "center";
            context.textBaseline = "middle";
            context.fillText(qsTranslate("SeriesChart", "Noch keine Versuchsreihe"), (left + right) / 2, counts.top + counts.height / 2);
        }

        context.strokeStyle = "#000000";
        context.lineWidth = 1;
        for (const plot of [counts, shares])
            context.strokeRect(Math.round(plot.left) + 0.5, Math.round(plot.top) + 0.5, Math.round(plot.width), Math.round(plot.height));
        context.restore();
    }

    // The items of the legend above the counts (which colour is which side, what line and band
    // show) or above the shares (which line is which share): {mark, color, text, width}, the
    // width with the gap after it.
    legend(context, which) {
        const font = this.font;
        const items = which === "counts"
            ? [{ mark: hunterColor, color: "#000000", text: qsTranslate("SeriesChart", "Räuber"), before: font * 0.75 + 3, after: 10 },
                { mark: preyColor, color: "#000000", text: qsTranslate("SeriesChart", "Beute"), before: font * 0.75 + 3, after: 10 },
                { color: noteColor, text: qsTranslate("SeriesChart", "Linie: Mittel, Band: 10. bis 90. Perzentil"), before: 0, after: 0 }]
            : [{ mark: [], color: "#000000", text: qsTranslate("SeriesChart", "bei 0"), before: 22, after: 12 },
                { mark: [6, 3], color: "#000000", text: qsTranslate("SeriesChart", "schon einmal bei 0 (Anteil der Spiele)"), before: 22, after: 12 }];
        for (const item of items)
            item.width = item.before + context.measureText(item.text).width + item.after;
        return items;
    }
}

// The items placed in lines of at most width: {items with x and line, lines}.
function wrapped(items, width) {
    let x = 0;
    let line = 0;
    for (const item of items) {
        if (x > 0 && x + item.width - item.after > width) {
            x = 0;
            ++line;
        }
        Object.assign(item, { x, line });
        x += item.width;
    }
    return { items, lines: line + 1 };
}

// A legend's items from (left, baseline), line apart: a colour's swatch or a line's sample
// (solid or dashed) before each text.
function paintLegend(context, items, left, baseline, line) {
    context.textAlign = "left";
    context.textBaseline = "alphabetic";
    const size = parseFloat(context.font) * 0.75;
    for (const item of items) {
        const x = left + item.x;
        const y = baseline + item.line * line;
        if (typeof item.mark === "string") {
            context.fillStyle = item.mark;
            context.fillRect(x, y - size, size, size);
        } else if (item.mark) {
            context.strokeStyle = "#000000";
            context.lineWidth = 1.5;
            context.setLineDash(item.mark);
            polyline(context, [[x, y - size * 0.45], [x + 18, y - size * 0.45]]);
            context.setLineDash([]);
        }
        context.fillStyle = item.color;
        context.fillText(item.text, x + item.before, y);
    }
}

module.exports = { SeriesChartView };

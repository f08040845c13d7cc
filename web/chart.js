// The population chart: the hunters against the left axis, the prey against the right one, both
// 0 to 36, one point per round, the rounds along the bottom from the first point to the last.
// It paints into any 2D context with the canvas's drawing calls (the screen's canvas, a larger
// one for a PNG, an SvgContext for a drawing). A curve of more points than the plot has pixel
// columns is drawn column by column: first, lowest, highest and last value of the points each
// column covers, read from per-block extremes, so a million points draw as fast as a thousand.
"use strict";
const { qsTranslate, currentLanguage, onLanguageChanged } = require("./texts.js");

const blockSize = 64;
const drawInterval = 100;
const axisMax = 36;

// One curve's counts (0 to 36), with the lowest and highest of each block of points.
class CountSeries {
    constructor() {
        this.values = new Uint8Array(1024);
        this.blockMin = new Uint8Array(16);
        this.blockMax = new Uint8Array(16);
        this.length = 0;
    }

    append(value) {
        if (this.length === this.values.length) {
            this.values = grown(this.values);
            this.blockMin = grown(this.blockMin);
            this.blockMax = grown(this.blockMax);
        }
        const block = Math.floor(this.length / blockSize);
        if (this.length % blockSize === 0) {
            this.blockMin[block] = value;
            this.blockMax[block] = value;
        } else {
            this.blockMin[block] = Math.min(this.blockMin[block], value);
            this.blockMax[block] = Math.max(this.blockMax[block], value);
        }
        this.values[this.length++] = value;
    }

    clear() {
        this.length = 0;
    }

    // [lowest, highest] of the points from begin up to end (not included).
    extremes(begin, end) {
        let low = 255;
        let high = 0;
        let i = begin;
        while (i < end) {
            if (i % blockSize === 0 && i + blockSize <= end) {
                const block = i / blockSize;
                low = Math.min(low, this.blockMin[block]);
                high = Math.max(high, this.blockMax[block]);
                i += blockSize;
            } else {
                low = Math.min(low, this.values[i]);
                high = Math.max(high, this.values[i]);
                ++i;
            }
        }
        return [low, high];
    }
}

function grown(array) {
    const bigger = new Uint8Array(array.length * 2);
    bigger.set(array);
    return bigger;
}

function rgb(hex) {
    const n = parseInt(hex.slice(1), 16);
    return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

function luminance(hex) {
    const [r, g, b] = rgb(hex).map((c) => {
        const s = c / 255;
        return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

function contrast(a, b) {
    const [light, dark] = [luminance(a), luminance(b)].sort((p, q) => q - p);
    return (light + 0.05) / (dark + 0.05);
}

// color itself where text in it reads on background (4.5 : 1), else darkened (or lightened on a
// dark background) just as far as it must be: an axis title keeps its curve's hue.
function readable(color, background) {
    const [r, g, b] = rgb(color);
    const target = luminance(background) > 0.18 ? 0 : 255;
    for (let t = 0; t <= 1.0001; t += 0.05) {
        const mixed = "#" + [r, g, b].map((c) => Math.round(c + (target - c) * t).toString(16).padStart(2, "0")).join("");
        if (contrast(mixed, background) >= 4.5)
            return mixed;
    }
    return target ? "#ffffff" : "#000000";
}

const standardLook = {
    border: "#c0c0c0", monochrome: false, grid: "#808080", leftTitle: "#ff0000", rightTitle: "#0000ff",
    rightTitleBold: false, hunterWidth: 2, hunterDashed: false, hunter: "#ff0000", prey: "#0000ff",
};
const monochromeLook = {
    border: "#ffffff", monochrome: true, grid: "#000000", leftTitle: "#000000", rightTitle: "#000000",
    rightTitleBold: true, hunterWidth: 1, hunterDashed: true, hunter: "#000000", prey: "#000000",
};

// The step between labels from the candidates: the smallest that leaves room for each.
function labelStep(span, pixels, room, candidates) {
    for (const step of candidates)
        if ((pixels * step) / span >= room)
            return step;
    return candidates[candidates.length - 1];
}

function roundSteps(span) {
    const steps = [];
    for (let power = 1; power <= span * 10; power *= 10)
        steps.push(power, 2 * power, 5 * power);
    return steps;
}

class ChartView {
    constructor(canvas) {
        this.canvas = canvas;
        this.hunters = new CountSeries();
        this.prey = new CountSeries();
        this.look = Object.assign({ background: "#ffffff" }, standardLook);
        this.shown = false;
        this.drawPending = false;
        this.drawn = -Infinity;
        this.font = 16;
        this.context = canvas.getContext("2d", { alpha: false });
        new ResizeObserver(() => {
            this.font = parseFloat(getComputedStyle(document.documentElement).fontSize);
            this.update();
        }).observe(canvas);
        onLanguageChanged(() => this.update());
    }

    append(hunters, prey) {
        this.hunters.append(hunters);
        this.prey.append(prey);
        this.update();
    }

    clear() {
        this.hunters.clear();
        this.prey.clear();
        this.update();
    }

    applyMonochrome() {
        Object.assign(this.look, monochromeLook);
        this.update();
    }

    applyStandardColors() {
        Object.assign(this.look, standardLook);
        this.update();
    }

    // A curve's colour is its axis title's too.
    setColor(which, color) {
        this.look[which] = color;
        if (which === "hunter")
            this.look.leftTitle = color;
        if (which === "prey")
            this.look.rightTitle = color;
        this.update();
    }

    setShown(shown) {
        this.shown = shown;
        this.update();
    }

    // Draws at a coming frame while the chart is shown, at most every drawInterval ms: a drawing
    // costs the page about as much as fifty rounds, so at full speed the rounds between two
    // drawings cost one.
    update() {
        if (!this.shown || this.drawPending)
            return;
        this.drawPending = true;
        setTimeout(() => requestAnimationFrame(() => {
            this.drawPending = false;
            this.drawn = performance.now();
            this.drawOnScreen();
        }), Math.max(0, this.drawn + drawInterval - performance.now()));
    }

    // The size on screen, or the last one while the chart is not laid out (hidden, or the page
    // laid out for print).
    size() {
        if (this.canvas.clientWidth > 0 && this.canvas.clientHeight > 0)
            this.shownSize = { width: this.canvas.clientWidth, height: this.canvas.clientHeight };
        return this.shownSize || { width: 640, height: 400 };
    }

    // The canvas is sized anew only when its size changed: that costs a new drawing surface.
    drawOnScreen() {
        const { width, height } = this.size();
        const ratio = window.devicePixelRatio || 1;
        if (this.canvas.width !== Math.round(width * ratio) || this.canvas.height !== Math.round(height * ratio)) {
            this.canvas.width = Math.round(width * ratio);
            this.canvas.height = Math.round(height * ratio);
        }
        this.render(this.context, ratio);
    }

    // The chart as shown, scale times as large, on a canvas of its own.
    picture(scale) {
        const { width, height } = this.size();
        const canvas = document.createElement("canvas");
        canvas.width = Math.round(width * scale);
        canvas.height = Math.round(height * scale);
        this.render(canvas.getContext("2d"), scale, false);
        return canvas;
    }

    // On screen the parts that stay while the rounds go on (panel, plot area, the counts' grid,
    // labels and titles) are drawn once into a canvas of their own and copied: most of what a
    // drawing costs is text.
    render(context, scale, onScreen = true) {
        const { width, height } = this.size();
        const layout = this.layout(context, width, height);
        const key = [context.canvas.width, context.canvas.height, scale, this.font, currentLanguage(), JSON.stringify(this.look)].join();
        if (!onScreen) {
            context.setTransform(scale, 0, 0, scale, 0, 0);
            this.paintFrame(context, layout);
        } else {
            if (!this.frame || this.frameKey !== key) {
                this.frame = document.createElement("canvas");
                this.frame.width = context.canvas.width;
                this.frame.height = context.canvas.height;
                const frameContext = this.frame.getContext("2d", { alpha: false });
                frameContext.setTransform(scale, 0, 0, scale, 0, 0);
                this.paintFrame(frameContext, layout);
                this.frameKey = key;
            }
            context.setTransform(1, 0, 0, 1, 0, 0);
            context.drawImage(this.frame, 0, 0);
            context.setTransform(scale, 0, 0, scale, 0, 0);
        }
        this.paintRounds(context, layout, scale);
        // Black and white as the name says: no grey at the edges of lines and letters.
        if (this.look.monochrome) {
            const image = context.getImageData(0, 0, context.canvas.width, context.canvas.height);
            const p = image.data;
            for (let i = 0; i < p.length; i += 4) {
                const ink = 0.299 * p[i] + 0.587 * p[i + 1] + 0.114 * p[i + 2] < 128 ? 0 : 255;
                p[i] = p[i + 1] = p[i + 2] = ink;
                p[i + 3] = 255;
            }
            context.putImageData(image, 0, 0);
        }
    }

    // Paints the chart into any context at width × height (an SvgContext among them);
    // columns is the pixels per unit, for the column-by-column curves.
    paint(context, width, height, columns) {
        const layout = this.layout(context, width, height);
        this.paintFrame(context, layout);
        this.paintRounds(context, layout, columns);
    }

    // Where everything goes: the plot's rectangle inside room for labels and titles.
    layout(context, width, height) {
        const font = this.font;
        const family = '"Liberation Sans", Arial, Helvetica, sans-serif';
        context.font = `${font}px ${family}`;
        const side = width * 0.01 + font * 1.4 + font + context.measureText("36").width;
        const plot = {
            left: side,
            top: Math.max(height * 0.06, font),
            right: width - side,
            bottom: height - height * 0.01 - font * 2.8 - font / 2,
        };
        const empty = plot.right - plot.left < 10 || plot.bottom - plot.top < 10;
        return { width, height, font, family, plot, empty, yAt: (count) => plot.bottom - (count / axisMax) * (plot.bottom - plot.top) };
    }

    paintFrame(context, { width, height, font, family, plot, empty, yAt }) {
        const look = this.look;
        context.fillStyle = look.border;
        context.fillRect(0, 0, width, height);
        if (empty)
            return;
        const gap = font / 2;
        context.fillStyle = look.background;
        context.fillRect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
        // The counts at a step that divides 36 and leaves room for each label.
        const step = labelStep(axisMax, plot.bottom - plot.top, font * 1.5, [1, 2, 3, 4, 6, 9, 12, 18, 36]);
        context.strokeStyle = look.grid;
        context.lineWidth = 1;
        context.setLineDash([1, 2]);
        context.beginPath();
        for (let count = step; count < axisMax; count += step) {
            context.moveTo(plot.left, yAt(count));
            context.lineTo(plot.right, yAt(count));
        }
        context.stroke();
        context.setLineDash([]);
        context.font = `${font}px ${family}`;
        context.fillStyle = readable("#000000", look.border);
        context.textBaseline = "middle";
        for (let count = 0; count <= axisMax; count += step) {
            context.textAlign = "right";
            context.fillText(String(count), plot.left - gap, yAt(count));
            context.textAlign = "left";
            context.fillText(String(count), plot.right + gap, yAt(count));
        }
        const title = (text, color, bold, x, y, angle) => {
            context.save();
            context.translate(x, y);
            context.rotate(angle);
            context.font = `${bold ? "bold " : ""}${font}px ${family}`;
            context.fillStyle = readable(color, look.border);
            context.textAlign = "center";
            context.textBaseline = "middle";
            context.fillText(text, 0, 0);
            context.restore();
        };
        const middle = (plot.top + plot.bottom) / 2;
        title(qsTranslate("PopulationChart", "Anzahl der Räuber"), look.leftTitle, false, width * 0.01 + font * 0.7, middle, -Math.PI / 2);
        title(qsTranslate("PopulationChart", "Anzahl der Beute"), look.rightTitle, look.rightTitleBold, width - width * 0.01 - font * 0.7, middle, Math.PI / 2);
        title(qsTranslate("PopulationChart", "Durchgang"), "#000000", false, (plot.left + plot.right) / 2, plot.bottom + gap + font * 1.9, 0);
    }

    // What moves with the rounds: the rounds' grid and labels, from the first point to the last,
    // the plot's border and the two curves.
    paintRounds(context, { font, family, plot, empty, yAt }, columns) {
        if (empty)
            return;
        const look = this.look;
        const last = Math.max(this.hunters.length - 1, 1);
        const plotWidth = plot.right - plot.left;
        const xAt = (x) => plot.left + (x / last) * plotWidth;
        context.font = `${font}px ${family}`;
        const step = labelStep(last, plotWidth, context.measureText(String(last)).width + 2 * font, roundSteps(last));
        context.strokeStyle = look.grid;
        context.lineWidth = 1;
        context.setLineDash([1, 2]);
        context.beginPath();
        for (let x = step; x < last; x += step) {
            context.moveTo(xAt(x), plot.top);
            context.lineTo(xAt(x), plot.bottom);
        }
        context.stroke();
        context.setLineDash([]);
        context.strokeStyle = "#000000";
        context.strokeRect(plot.left, plot.top, plotWidth, plot.bottom - plot.top);
        context.fillStyle = readable("#000000", look.border);
        context.textAlign = "center";
        context.textBaseline = "top";
        for (let x = 0; x <= last; x += step)
            context.fillText(String(x), xAt(x), plot.bottom + font / 4);
        context.lineJoin = "bevel";
        this.paintCurve(context, this.hunters, look.hunter, look.hunterWidth, look.hunterDashed, xAt, yAt, plotWidth * columns);
        this.paintCurve(context, this.prey, look.prey, 2, false, xAt, yAt, plotWidth * columns);
    }

    // A curve with no more than two points per pixel column is a line through its points. A
    // longer one is a bar per column, from the lowest to the highest count of the points the
    // column covers and on to where the column before ended, so the bars join as the line
    // would: bars fill far faster than a stroke of as many segments. The dashed (black and
    // white) curve keeps a stroked line through each column's first, lowest, highest and last.
    paintCurve(context, series, color, width, dashed, xAt, yAt, columns) {
        const n = series.length;
        if (n === 0)
            return;
        const count = Math.floor(columns);
        if (n > 2 * columns && !dashed) {
            context.fillStyle = color;
            let previous = series.values[0];
            for (let c = 0; c < count; ++c) {
                const begin = Math.floor((c * n) / count);
                const end = Math.floor(((c + 1) * n) / count);
                const [low, high] = series.extremes(begin, end);
                const top = yAt(Math.max(high, previous));
                context.fillRect(xAt((begin + end - 1) / 2) - width / 2, top - width / 2,
                    width, yAt(Math.min(low, previous)) - top + width);
                previous = series.values[end - 1];
            }
            return;
        }
        context.strokeStyle = color;
        context.lineWidth = width;
        context.setLineDash(dashed ? [8, 3, 2, 3] : []);
        context.beginPath();
        context.moveTo(xAt(0), yAt(series.values[0]));
        if (n <= 2 * columns) {
            for (let i = 1; i < n; ++i)
                context.lineTo(xAt(i), yAt(series.values[i]));
        } else {
            for (let c = 0; c < count; ++c) {
                const begin = Math.floor((c * n) / count);
                const end = Math.floor(((c + 1) * n) / count);
                const [low, high] = series.extremes(begin, end);
                const x = xAt((begin + end - 1) / 2);
                context.lineTo(x, yAt(series.values[begin]));
                context.lineTo(x, yAt(low));
                context.lineTo(x, yAt(high));
                context.lineTo(x, yAt(series.values[end - 1]));
            }
        }
        context.stroke();
        context.setLineDash([]);
    }
}

module.exports = { ChartView };

// The few drawing calls of a canvas's 2D context that the charts use, writing an SVG drawing:
// a chart paints itself into it as it paints on screen. Text is measured by a canvas.
"use strict";

const escape = (text) => String(text).replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);
const number = (value) => String(Math.round(value * 100) / 100);
// A colour as the attribute name (fill or stroke) sets it; a translucent rgba(r, g, b, a) as a
// colour and an opacity, which every reader of SVG knows.
function paint(name, style) {
    const rgba = /^rgba\((\d+), *(\d+), *(\d+), *([\d.]+)\)$/.exec(style);
    return rgba ? `${name}="rgb(${rgba[1]},${rgba[2]},${rgba[3]})" ${name}-opacity="${rgba[4]}"` : `${name}="${style}"`;
}

class SvgContext {
    constructor(width, height) {
        this.width = width;
        this.height = height;
        this.parts = [];
        this.transform = "";
        this.stack = [];
        this.path = "";
        this.dash = [];
        this.font = "10px sans-serif";
        this.fillStyle = "#000000";
        this.strokeStyle = "#000000";
        this.lineWidth = 1;
        this.lineJoin = "miter";
        this.textAlign = "start";
        this.textBaseline = "alphabetic";
        this.measurer = document.createElement("canvas").getContext("2d");
    }

    measureText(text) {
        this.measurer.font = this.font;
        return this.measurer.measureText(text);
    }

    setLineDash(dash) {
        this.dash = dash;
    }

    save() {
        this.stack.push(this.transform);
    }

    restore() {
        this.transform = this.stack.pop();
    }

    translate(x, y) {
        this.transform += `translate(${number(x)} ${number(y)}) `;
    }

    rotate(angle) {
        this.transform += `rotate(${number((angle * 180) / Math.PI)}) `;
    }

    element(text) {
        this.parts.push(this.transform ? `<g transform="${this.transform.trim()}">${text}</g>` : text);
    }

    fillRect(x, y, width, height) {
        this.element(`<rect x="${number(x)}" y="${number(y)}" width="${number(width)}" height="${number(height)}" ${paint("fill", this.fillStyle)}/>`);
    }

    strokeRect(x, y, width, height) {
        this.element(`<rect x="${number(x)}" y="${number(y)}" width="${number(width)}" height="${number(height)}" fill="none" ${this.strokeAttributes()}/>`);
    }

    beginPath() {
        this.path = "";
    }

    moveTo(x, y) {
        this.path += `M${number(x)} ${number(y)}`;
    }

    lineTo(x, y) {
        this.path += `L${number(x)} ${number(y)}`;
    }

    closePath() {
        this.path += "Z";
    }

    stroke() {
        if (this.path)
            this.element(`<path d="${this.path}" fill="none" stroke-linejoin="${this.lineJoin}" ${this.strokeAttributes()}/>`);
    }

    fill() {
        if (this.path)
            this.element(`<path d="${this.path}" ${paint("fill", this.fillStyle)}/>`);
    }

    strokeAttributes() {
        const dash = this.dash.length ? ` stroke-dasharray="${this.dash.join(" ")}"` : "";
        return `${paint("stroke", this.strokeStyle)} stroke-width="${number(this.lineWidth)}"${dash}`;
    }

    fillText(text, x, y) {
        const anchor = { left: "start", start: "start", center: "middle", right: "end", end: "end" }[this.textAlign];
        const baseline = { top: "hanging", middle: "central", alphabetic: "alphabetic", bottom: "text-after-edge" }[this.textBaseline];
        const [, bold, size, family] = /^(bold )?([\d.]+)px (.*)$/.exec(this.font);
        this.element(`<text x="${number(x)}" y="${number(y)}" font-family='${family}' font-size="${size}"`
            + `${bold ? ' font-weight="bold"' : ""} ${paint("fill", this.fillStyle)} text-anchor="${anchor}" dominant-baseline="${baseline}">${escape(text)}</text>`);
    }

    // The whole drawing, titled.
    svg(title) {
        return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${this.width}" height="${this.height}" `
            + `viewBox="0 0 ${this.width} ${this.height}">\n<title>${escape(title)}</title>\n${this.parts.join("\n")}\n</svg>\n`;
    }
}

module.exports = { SvgContext };

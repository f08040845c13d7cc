// The board: the background with 6 × 6 cells on it, each a tile in a frame. A grid for the
// keyboard and screen readers: the arrow keys move between the cells and stop at the edges,
// Enter or Space chooses one, and each cell is named by its place and what stands on it.
"use strict";
const { arg, onLanguageChanged, qsTranslate } = require("./texts.js");

const size = 6;

function cellName(x, y, content) {
    const names = {
        empty: qsTranslate("AccessibleBoard", "Feld %1,%2: leer"),
        prey: qsTranslate("AccessibleBoard", "Feld %1,%2: Beute"),
        hunter: qsTranslate("AccessibleBoard", "Feld %1,%2: Räuber"),
    };
    return arg(names[content], x, y);
}

class BoardView {
    // onChoose(x, y) is called for a click on a cell and for Enter or Space on it.
    constructor(element, onChoose) {
        this.element = element;
        this.cells = [];
        this.contents = [];
        for (let y = 1; y <= size; ++y) {
            const row = document.createElement("div");
            row.setAttribute("role", "row");
            for (let x = 1; x <= size; ++x) {
                const cell = document.createElement("div");
                cell.className = "cell";
                cell.setAttribute("role", "gridcell");
                cell.tabIndex = x === 1 && y === 1 ? 0 : -1;
                cell.addEventListener("click", () => {
                    this.focusCell(x, y);
                    onChoose(x, y);
                });
                row.append(cell);
                this.cells[this.index(x, y)] = cell;
            }
            element.append(row);
        }
        element.addEventListener("keydown", (event) => this.onKey(event, onChoose));
        this.reset();
        onLanguageChanged(() => this.nameCells());
    }

    index(x, y) {
        return (y - 1) * size + (x - 1);
    }

    // Every cell empty, every frame clear and black.
    reset() {
        this.element.classList.add("framesClear");
        for (let y = 1; y <= size; ++y)
            for (let x = 1; x <= size; ++x) {
                this.show(x, y, "empty");
                this.setFrameColor(x, y, "#000000");
            }
    }

    setFramesSolid() {
        this.element.classList.remove("framesClear");
    }

    // content: "empty", "prey" or "hunter".
    show(x, y, content) {
        const i = this.index(x, y);
        this.contents[i] = content;
        this.cells[i].dataset.content = content;
        this.cells[i].setAttribute("aria-label", cellName(x, y, content));
    }

    setFrameColor(x, y, color) {
        this.cells[this.index(x, y)].style.borderColor = color;
    }

    nameCells() {
        for (let y = 1; y <= size; ++y)
            for (let x = 1; x <= size; ++x)
                this.cells[this.index(x, y)].setAttribute("aria-label", cellName(x, y, this.contents[this.index(x, y)]));
    }

    // The one cell the Tab key reaches is the one last moved to.
    focusCell(x, y) {
        for (const cell of this.cells)
            cell.tabIndex = -1;
        const cell = this.cells[this.index(x, y)];
        cell.tabIndex = 0;
        cell.focus();
    }

    onKey(event, onChoose) {
        const i = this.cells.indexOf(event.target);
        if (i < 0)
            return;
        const x = (i % size) + 1;
        const y = Math.floor(i / size) + 1;
        const moves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
        if (event.key in moves) {
            const [dx, dy] = moves[event.key];
            this.focusCell(Math.min(size, Math.max(1, x + dx)), Math.min(size, Math.max(1, y + dy)));
        } else if (event.key === "Enter" || event.key === " ") {
            onChoose(x, y);
        } else {
            return;
        }
        event.preventDefault();
    }
}

module.exports = { BoardView };

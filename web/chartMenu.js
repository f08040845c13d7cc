// The chart's menu, opened by a right click (or a long touch, or the keyboard's menu key) on
// the chart and by the menu button beside its caption: a list of commands, one of them a
// submenu. Arrow keys move, Enter or Space runs, Right opens and Left closes the submenu, Esc
// or a click elsewhere closes it all, and the focus goes back where it was.
"use strict";

// items: [{text, run} | {text, items} | null for a separator]; text is called when the menu opens.
class ChartMenu {
    constructor(items) {
        this.items = items;
        this.element = null;
        document.addEventListener("pointerdown", (event) => {
            if (this.element && !this.element.contains(event.target))
                this.close();
        });
    }

    open(x, y) {
        this.close();
        this.returnFocus = document.activeElement;
        this.element = this.list(this.items, null);
        document.body.append(this.element);
        const room = this.element.getBoundingClientRect();
        this.element.style.left = `${Math.max(0, Math.min(x, innerWidth - room.width))}px`;
        this.element.style.top = `${Math.max(0, Math.min(y, innerHeight - room.height))}px`;
        this.element.querySelector("[role=menuitem]").focus();
    }

    close() {
        if (!this.element)
            return;
        this.element.remove();
        this.element = null;
        if (this.returnFocus && this.returnFocus.isConnected)
            this.returnFocus.focus();
    }

    list(items, parentItem) {
        const menu = document.createElement("div");
        menu.setAttribute("role", "menu");
        menu.className = parentItem ? "menu submenu" : "menu";
        for (const item of items) {
            if (!item) {
                const line = document.createElement("div");
                line.setAttribute("role", "separator");
                menu.append(line);
                continue;
            }
            const entry = document.createElement("button");
            entry.type = "button";
            entry.setAttribute("role", "menuitem");
            entry.tabIndex = -1;
            entry.textContent = item.text();
            if (item.items) {
                entry.setAttribute("aria-haspopup", "menu");
                entry.setAttribute("aria-expanded", "false");
                entry.addEventListener("click", () => this.openSubmenu(entry, item));
                entry.addEventListener("pointerenter", () => this.openSubmenu(entry, item, true));
            } else {
                entry.addEventListener("click", () => {
                    this.close();
                    item.run();
                });
            }
            menu.append(entry);
        }
        menu.addEventListener("keydown", (event) => this.onKey(event, menu, parentItem));
        return menu;
    }

    openSubmenu(entry, item, byPointer) {
        if (entry.getAttribute("aria-expanded") === "true")
            return;
        entry.setAttribute("aria-expanded", "true");
        const sub = this.list(item.items, entry);
        entry.after(sub);
        if (!byPointer)
            sub.querySelector("[role=menuitem]").focus();
    }

    onKey(event, menu, parentItem) {
        event.stopPropagation();
        const entries = [...menu.children].filter((e) => e.getAttribute("role") === "menuitem");
        const at = entries.indexOf(document.activeElement);
        const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
        if (step) {
            entries[(at + step + entries.length) % entries.length].focus();
        } else if (event.key === "ArrowRight" && at >= 0 && entries[at].hasAttribute("aria-haspopup")) {
            entries[at].click();
        } else if ((event.key === "ArrowLeft" || event.key === "Escape") && parentItem) {
            parentItem.setAttribute("aria-expanded", "false");
            menu.remove();
            parentItem.focus();
        } else if (event.key === "Escape" || event.key === "Tab") {
            this.close();
        } else {
            return;
        }
        event.preventDefault();
    }
}

module.exports = { ChartMenu };

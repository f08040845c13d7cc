// The page's dialogs, each made when it is needed and gone when it closes: a one-line prompt, a
// message with "OK", a choice from a list and a text to read. They are modal for the user, not
// for the game: a running simulation goes on behind them. The focus goes back where it was.
"use strict";
const { qsTranslate } = require("./texts.js");

let lastId = 0;

function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {}))
        e.setAttribute(name, value);
    if (text !== undefined)
        e.textContent = text;
    return e;
}

// A dialog with a title, the given contents and buttons [{text, value}]; onClose(value) gets
// the value of the button pressed, "" for Esc.
function open(title, contents, buttons, onClose, className) {
    const id = `dialog${++lastId}`;
    const dialog = element("dialog", { "aria-labelledby": `${id}Title`, class: className || "" });
    const form = element("form", { method: "dialog" });
    form.append(element("h2", { id: `${id}Title` }, title), ...contents);
    const row = element("div", { class: "buttons" });
    for (const button of buttons)
        row.append(element("button", { type: "submit", value: button.value }, button.text));
    form.append(row);
    dialog.append(form);
    const focused = document.activeElement;
    dialog.addEventListener("close", () => {
        dialog.remove();
        if (focused && focused.isConnected)
            focused.focus();
        onClose(dialog.returnValue);
    });
    document.body.append(dialog);
    dialog.showModal();
    return dialog;
}

// Asks for one line of text, offering text selected; onAnswer(confirmed, entry).
function prompt(title, label, text, onAnswer) {
    const id = `entry${lastId + 1}`;
    const input = element("input", { id, type: "text", autocomplete: "off", maxlength: "255" });
    input.value = text;
    const dialog = open(title, [element("label", { for: id }, label), input],
        [{ text: qsTranslate("PromptForText", "OK"), value: "ok" },
            { text: qsTranslate("PromptForText", "Abbrechen"), value: "cancel" }],
        (value) => onAnswer(value === "ok", input.value));
    input.select();
    return dialog;
}

// A message with one "OK"; title "Fehler" unless given.
function message(text, title, onClose) {
    const id = `message${lastId + 1}`;
    const dialog = open(title || qsTranslate("MessageDialog", "Fehler"), [element("p", { id }, text)],
        [{ text: qsTranslate("MessageDialog", "OK"), value: "ok" }], () => onClose && onClose());
    dialog.setAttribute("aria-describedby", id);
    dialog.setAttribute("role", "alertdialog");
    return dialog;
}

// One of options (texts), the first chosen at start; onAnswer(index), or null when cancelled.
function choose(title, options, onAnswer) {
    const list = element("fieldset", { class: "choices" });
    const radios = options.map((option, i) => {
        const label = element("label");
        const radio = element("input", { type: "radio", name: `choice${lastId + 1}` });
        radio.checked = i === 0;
        label.append(radio, document.createTextNode(option));
        list.append(label);
        return radio;
    });
    return open(title, [list],
        [{ text: qsTranslate("PromptForText", "OK"), value: "ok" },
            { text: qsTranslate("PromptForText", "Abbrechen"), value: "cancel" }],
        (value) => onAnswer(value === "ok" ? radios.findIndex((r) => r.checked) : null));
}

// A text to read (a document fragment), closed with its button or Esc.
// The focus starts on its title, so the text is read from its beginning.
function read(title, contents) {
    const dialog = open(title, [contents], [{ text: qsTr("Schließen"), value: "close" }], () => {}, "reading");
    const heading = dialog.querySelector("h2");
    heading.tabIndex = -1;
    heading.focus();
    return dialog;
}

module.exports = { prompt, message, choose, read };

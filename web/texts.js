// The page's language and its texts. German is the source; English comes from the desktop's
// catalog, read when the page is built. A text is looked up by its context, as in the catalog:
// the desktop's contexts for the window's own texts (qsTranslate("MainWindow", "Neu")), and for
// a text only the page has, the name of the file that asks for it (qsTr in board.js is "board").
"use strict";
const { catalog } = require("./bundle.js");

const languages = ["de", "en"];
let language = "de";
const listeners = [];

// ?lang=de or ?lang=en forces a language; otherwise the first of the browser's languages that
// the page speaks, and English where it speaks none of them.
function chooseLanguage(search, browserLanguages) {
    const forced = new URLSearchParams(search).get("lang");
    if (languages.includes(forced))
        return forced;
    for (const tag of browserLanguages) {
        const primary = String(tag).toLowerCase().split("-")[0];
        if (languages.includes(primary))
            return primary;
    }
    return "en";
}

function currentLanguage() {
    return language;
}

// Switches every text of the page: the listeners write theirs anew.
function setLanguage(next) {
    language = next;
    document.documentElement.lang = next;
    for (const listener of listeners)
        listener();
}

function onLanguageChanged(listener) {
    listeners.push(listener);
}

function qsTranslate(context, source) {
    if (language === "de")
        return source;
    const texts = catalog[context];
    return texts && source in texts ? texts[source] : source;
}

// The text with %1, %2, … replaced by the values, as Qt's QString::arg does.
function arg(text, ...values) {
    return text.replace(/%([1-9])/g, (marker, n) => (n <= values.length ? String(values[n - 1]) : marker));
}

module.exports = { chooseLanguage, currentLanguage, setLanguage, onLanguageChanged, qsTranslate, arg };

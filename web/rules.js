// The rules of the game, as the desktop's rules window tells them (its texts from the catalog,
// each named in full so the catalog's scan finds it), with the board's pictures.
"use strict";
const { qsTranslate } = require("./texts.js");

function block(tag, text, className) {
    const e = document.createElement(tag);
    e.textContent = text;
    if (className)
        e.className = className;
    return e;
}

// One side's cases: a cell's picture beside what happens on it.
function cases(side, rows) {
    const part = document.createDocumentFragment();
    part.append(block("p", side, "side"));
    const table = document.createElement("table");
    for (const [content, text] of rows) {
        const row = table.insertRow();
        const picture = row.insertCell();
        picture.className = "rulesCell";
        picture.dataset.content = content;
        row.insertCell().textContent = text;
    }
    part.append(table);
    return part;
}

function rulesTitle() {
    return qsTranslate("RulesWindow", "Spielregeln");
}

function rulesText() {
    const text = document.createDocumentFragment();
    text.append(
        block("h3", qsTranslate("RulesWindow", "Das Spielfeld")),
        block("p", qsTranslate("RulesWindow", "Das Spielfeld hat 6 × 6 Felder. Auf jedem Feld steht eine Beute, ein Räuber oder nichts. „Neu“ beginnt ein Spiel mit 15 Tieren auf zufälligen Feldern.")),
        block("h3", qsTranslate("RulesWindow", "Eine Runde")),
        block("p", qsTranslate("RulesWindow", "Räuber und Beute sind abwechselnd am Zug, die Räuber zuerst. In jeder Runde wählt der Würfel ein Feld (blau umrandet). Was dann geschieht, hängt davon ab, wer am Zug ist und was auf dem Feld steht:")),
        cases(qsTranslate("RulesWindow", "Die Beute ist am Zug"), [
            ["empty", qsTranslate("RulesWindow", "Eine Beute wird geboren.")],
            ["prey", qsTranslate("RulesWindow", "Die Beute vermehrt sich: Ihr Junges kommt auf ein freies Nachbarfeld (eines der acht Felder rund um sie). Ist keins frei, geschieht nichts.")],
            ["hunter", qsTranslate("RulesWindow", "Nichts geschieht.")]]),
        cases(qsTranslate("RulesWindow", "Die Räuber sind am Zug"), [
            ["prey", qsTranslate("RulesWindow", "Die Beute wird gefressen: Auf ihrem Feld steht jetzt ein Räuber. So vermehren sich die Räuber, auch wenn keiner mehr übrig war.")],
            ["hunter", qsTranslate("RulesWindow", "Dieser Räuber stirbt.")],
            ["empty", qsTranslate("RulesWindow", "Ein Räuber verhungert, irgendwo auf dem Spielfeld, nicht unbedingt in der Nähe. Gibt es keinen Räuber mehr, geschieht nichts.")]]),
        block("h3", qsTranslate("RulesWindow", "Simulation und Interaktiv")),
        block("p", qsTranslate("RulesWindow", "In „Simulation“ spielt das Programm die Runden selbst, so schnell, wie der Regler es sagt: „Start“ spielt bis „Stop“, der kleine Knopf ∨ daneben eine eingegebene Zahl von Runden. Dabei entscheidet das Programm: Das Junge kommt auf das erste freie Nachbarfeld, und es verhungert der erste Räuber des Spielfelds, gesucht Spalte für Spalte von links, in jeder Spalte von oben.")),
        block("p", qsTranslate("RulesWindow", "In „Interaktiv“ spielt „Würfeln“ eine Runde, und zwei Entscheidungen trifft man selbst: Bei „Beute plazieren“ das freie Nachbarfeld anklicken, auf das das Junge kommt; bei „Räuber stirbt“ den Räuber anklicken, der verhungert.")),
        block("h3", qsTranslate("RulesWindow", "Insektizid")),
        block("p", qsTranslate("RulesWindow", "„Insektizid“ besprüht zu Beginn jeder der nächsten Runden sechs zufällige Felder, so viele Runden lang, wie das Feld daneben angibt. Was dort steht, Räuber oder Beute, stirbt; die besprühten Felder sind grün umrandet.")),
        block("h3", qsTranslate("RulesWindow", "Das Diagramm")),
        block("p", qsTranslate("RulesWindow", "„Diagramm >>“ öffnet das Diagramm: für jeden Durchgang die Zahl der Räuber (rot, linke Achse) und der Beute (blau, rechte Achse), gezählt zu Beginn der Runde, vor ihrem Zug. Es zeichnet nur, solange es offen ist. Mit einem Rechtsklick lassen sich seine Farben ändern und die Daten löschen, kopieren oder speichern.")),
        block("h3", qsTranslate("RulesWindow", "Spielnummer")),
        block("p", qsTranslate("RulesWindow", "Jedes Spiel hat eine Nummer. „Nochmal“ spielt es noch einmal von vorn, „Nr. …“ beginnt ein Spiel nach seiner Nummer.")),
        block("h3", qsTranslate("RulesWindow", "Versuchsreihe")),
        block("p", qsTranslate("RulesWindow", "Ein einzelnes Spiel ist Zufall. „Versuchsreihe …“ spielt viele Spiele auf einmal, ohne sie zu zeigen, jedes zweimal vom selben Anfang an: A ohne Insektizid, B mit Insektizid nach einem Plan (ab einer Runde, so viele Runden lang, auf Wunsch immer wieder). Die Diagramme zeigen nach jeder Runde die mittlere Zahl der Räuber (rot) und der Beute (blau); das helle Band reicht vom 10. bis zum 90. Perzentil, in ihm liegen die mittleren 80 % der Spiele. Darunter steht, in wie vielen Spielen eine Seite gerade ausgestorben ist und in wie vielen sie es schon einmal war, denn Räuber können zurückkommen. Die Tabelle nennt, in welcher Runde eine Seite im Mittel zum ersten Mal ausstirbt und wie oft sie am Ende fehlt, mit dem Bereich, in dem dieser Anteil mit 95 % Sicherheit liegt.")));
    return text;
}

module.exports = { rulesTitle, rulesText };

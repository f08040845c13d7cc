<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>Feld %1,%2: Räuber</source>
        <translation>Cell %1,%2: hunter</translation>
    </message>
    <message>
        <source>Feld %1,%2: Beute</source>
        <translation>Cell %1,%2: prey</translation>
    </message>
    <message>
        <source>Feld %1,%2: leer</source>
        <translation>Cell %1,%2: empty</translation>
    </message>
</context>
<context>
    <name>BitmapReader</name>
    <message>
        <source>Bitmap ist ungültig</source>
        <translation>Invalid bitmap</translation>
    </message>
    <message>
        <source>Stream-Lesefehler</source>
        <translation>Stream read error</translation>
    </message>
</context>
<context>
    <name>ChartCommands</name>
    <message>
        <source>quorvel-spiel-%1.%2</source>
        <extracomment>The name a saved file is offered under: %1 the game&apos;s number, %2 the file&apos;s extension.</extracomment>
        <translation>quorvel-game-%1.%2</translation>
    </message>
    <message>
        <source>Daten als CSV speichern</source>
        <translation>Save Data as CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Diagramm als Bild speichern</source>
        <translation>Save Chart as Picture</translation>
    </message>
    <message>
        <source>PNG-Bild in Bildschirmgröße (*.png)</source>
        <translation>PNG image, screen size (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild in doppelter Größe (*.png)</source>
        <translation>PNG image, twice the size (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild in vierfacher Größe (*.png)</source>
        <translation>PNG image, four times the size (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Quorvel, Spiel %1</source>
        <translation>Quorvel, game %1</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>;</source>
        <extracomment>The separator of the columns in a saved CSV file.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>Durchgang</source>
        <extracomment>The columns&apos; names in a saved CSV file.</extracomment>
        <translation>Round</translation>
    </message>
    <message>
        <source>Räuber</source>
        <translation>Hunters</translation>
    </message>
    <message>
        <source>Beute</source>
        <translation>Prey</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Zwischenablage kann nicht geöffnet werden</source>
        <translation>Cannot open the clipboard</translation>
    </message>
</context>
<context>
    <name>ErrorReporting</name>
    <message>
        <source>Anwendungsfehler</source>
        <translation>Application Error</translation>
    </message>
    <message>
        <source>Exception %1 in Modul %2 bei %3.</source>
        <extracomment>The first line of the report of an error the program did not expect: %1 the error&apos;s class, %2 the program file, %3 the address in it.</extracomment>
        <translation>Exception %1 in module %2 at %3.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Räuber</source>
        <translation>Hunters</translation>
    </message>
    <message>
        <source>Beute</source>
        <translation>Prey</translation>
    </message>
    <message>
        <source>Beute plazieren</source>
        <translation>Place prey</translation>
    </message>
    <message>
        <source>Räuber stirbt</source>
        <translation>Hunter starves</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Interaktiv</source>
        <translation>Interactive</translation>
    </message>
    <message>
        <source>Benutzer fällt Entscheidungen</source>
        <translation>You make the decisions</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>ohne Benutzereingriff</source>
        <translation>Runs by itself</translation>
    </message>
    <message>
        <source>Insektizid</source>
        <translation>Insecticide</translation>
    </message>
    <message>
        <source>Insektizideinsatz</source>
        <translation>Spray insecticide</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Geschwindigkeit der Simulation</source>
        <translation>Speed of the simulation</translation>
    </message>
    <message>
        <source>Anzahl der Runden, in denen Insektizid eingesetzt wird</source>
        <translation>Number of rounds in which insecticide is sprayed</translation>
    </message>
    <message>
        <source>© 2026 Das Quorvel-Team</source>
        <translation>© 2026 The Quorvel Team</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Neue Simulation starten</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Anweisung für den Spieler</source>
        <translation>Instruction for the player</translation>
    </message>
    <message>
        <source>Spiel Nr.</source>
        <translation>Game number</translation>
    </message>
    <message>
        <source>Nummer dieses Spiels: mit ihr lässt es sich wiederholen, auch mit quorvel-sim --seed</source>
        <translation>This game&apos;s number: with it the game can be played again, also with quorvel-sim --seed</translation>
    </message>
    <message>
        <source>Nochmal</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>Dasselbe Spiel noch einmal von vorn</source>
        <translation>The same game again from the start</translation>
    </message>
    <message>
        <source>Nr. …</source>
        <translation>No. …</translation>
    </message>
    <message>
        <source>Ein Spiel nach seiner Nummer starten</source>
        <translation>Start a game by its number</translation>
    </message>
    <message>
        <source>Spielregeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Wie das Spiel geht (F1)</source>
        <translation>How the game works (F1)</translation>
    </message>
    <message>
        <source>Diagramm &gt;&gt;</source>
        <translation>Chart &gt;&gt;</translation>
    </message>
    <message>
        <source>Ein/Ausblenden eines Populationsverlaufs</source>
        <translation>Show or hide the population chart</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Diagramm drucken</source>
        <translation>Print the chart</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Simulation starten/stoppen</source>
        <translation>Start or stop the simulation</translation>
    </message>
    <message>
        <source>Eine bestimmte Zahl Spielzüge durchführen</source>
        <translation>Play a given number of rounds</translation>
    </message>
    <message>
        <source>Würfeln</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <translation>Next round</translation>
    </message>
    <message>
        <source>Durchgang:</source>
        <translation>Round:</translation>
    </message>
    <message>
        <source>Räuber:</source>
        <translation>Hunters:</translation>
    </message>
    <message>
        <source>Beute:</source>
        <translation>Prey:</translation>
    </message>
    <message>
        <source>Spieler:</source>
        <translation>Turn:</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Farbeinstellungen</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>Black and White</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard Colors</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Rahmenfarbe</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Daten Löschen</source>
        <translation>Clear Data</translation>
    </message>
    <message>
        <source>-&gt; Zwischenablage</source>
        <translation>-&gt; Clipboard</translation>
    </message>
    <message>
        <source>Daten als CSV speichern …</source>
        <translation>Save Data as CSV…</translation>
    </message>
    <message>
        <source>Diagramm als Bild speichern …</source>
        <translation>Save Chart as Picture…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Diagramm &lt;&lt;</source>
        <translation>Chart &lt;&lt;</translation>
    </message>
    <message>
        <source>Rundenvorgabe</source>
        <translation>Number of Rounds</translation>
    </message>
    <message>
        <source>Wieviele Runden sollen simuliert werden</source>
        <translation>How many rounds shall be simulated?</translation>
    </message>
    <message>
        <source>Die Eingabe war keine gültige Zahl!</source>
        <translation>That is not a valid number!</translation>
    </message>
    <message>
        <source>Spiel nach Nummer</source>
        <translation>Game by Number</translation>
    </message>
    <message>
        <source>Nummer des Spiels (0 bis 4294967295)</source>
        <translation>Number of the game (0 to 4294967295)</translation>
    </message>
    <message>
        <source>Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen.</source>
        <translation>A game number is a whole number from 0 to 4294967295, without a sign and without spaces.</translation>
    </message>
    <message>
        <source>Runden vorgeben</source>
        <translation>Run rounds</translation>
    </message>
    <message>
        <source>Versuchsreihe …</source>
        <translation>Experiment …</translation>
    </message>
    <message>
        <source>Viele Spiele ohne und mit Insektizid vergleichen</source>
        <translation>Compare many games without and with insecticide</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Symbol ist ungültig</source>
        <translation>Invalid icon</translation>
    </message>
    <message>
        <source>Metadatei ist ungültig</source>
        <translation>Invalid metafile</translation>
    </message>
    <message>
        <source>Unbekannte Bilddateierweiterung (.%1)</source>
        <translation>Unknown picture file extension (.%1)</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht geöffnet werden. %2</source>
        <translation>Cannot open file %1. %2</translation>
    </message>
</context>
<context>
    <name>PopulationChart</name>
    <message>
        <source>diagramm</source>
        <translation>chart</translation>
    </message>
    <message>
        <source>Mit Rechtsklick Diagrammeigenschaften ändern</source>
        <translation>Right-click to change the chart&apos;s settings</translation>
    </message>
    <message>
        <source>Anzahl der Räuber</source>
        <translation>Number of hunters</translation>
    </message>
    <message>
        <source>Anzahl der Beute</source>
        <translation>Number of prey</translation>
    </message>
    <message>
        <source>Durchgang</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Räuber</source>
        <translation>Hunters</translation>
    </message>
    <message>
        <source>Beute</source>
        <translation>Prey</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Zur Zeit ist kein Standard-Drucker gewählt</source>
        <translation>There is no default printer currently selected</translation>
    </message>
    <message>
        <source>Ausgewählter Drucker ist ungültig</source>
        <translation>Printer selected is not valid</translation>
    </message>
</context>
<context>
    <name>PromptForText</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Spielregeln</source>
        <translation>Rules of the Game</translation>
    </message>
    <message>
        <source>Das Spielfeld</source>
        <translation>The board</translation>
    </message>
    <message>
        <source>Das Spielfeld hat 6 × 6 Felder. Auf jedem Feld steht eine Beute, ein Räuber oder nichts. „Neu“ beginnt ein Spiel mit 15 Tieren auf zufälligen Feldern.</source>
        <translation>The board has 6 × 6 cells. Each cell holds a prey animal, a hunter or nothing. “New” starts a game with 15 animals on random cells.</translation>
    </message>
    <message>
        <source>Eine Runde</source>
        <translation>A round</translation>
    </message>
    <message>
        <source>Räuber und Beute sind abwechselnd am Zug, die Räuber zuerst. In jeder Runde wählt der Würfel ein Feld (blau umrandet). Was dann geschieht, hängt davon ab, wer am Zug ist und was auf dem Feld steht:</source>
        <translation>Hunters and prey take turns, hunters first. Each round the die picks a cell (framed in blue). What happens then depends on whose turn it is and what stands on the cell:</translation>
    </message>
    <message>
        <source>Die Beute ist am Zug</source>
        <translation>The prey&apos;s turn</translation>
    </message>
    <message>
        <source>Eine Beute wird geboren.</source>
        <translation>A prey animal is born.</translation>
    </message>
    <message>
        <source>Die Beute vermehrt sich: Ihr Junges kommt auf ein freies Nachbarfeld (eines der acht Felder rund um sie). Ist keins frei, geschieht nichts.</source>
        <translation>The prey multiplies: its young goes to a free neighboring cell (one of the eight cells around it). If none is free, nothing happens.</translation>
    </message>
    <message>
        <source>Nichts geschieht.</source>
        <translation>Nothing happens.</translation>
    </message>
    <message>
        <source>Die Räuber sind am Zug</source>
        <translation>The hunters&apos; turn</translation>
    </message>
    <message>
        <source>Die Beute wird gefressen: Auf ihrem Feld steht jetzt ein Räuber. So vermehren sich die Räuber, auch wenn keiner mehr übrig war.</source>
        <translation>The prey is eaten: a hunter now stands on its cell. This is how hunters multiply, even when none were left.</translation>
    </message>
    <message>
        <source>Dieser Räuber stirbt.</source>
        <translation>This hunter dies.</translation>
    </message>
    <message>
        <source>Ein Räuber verhungert, irgendwo auf dem Spielfeld, nicht unbedingt in der Nähe. Gibt es keinen Räuber mehr, geschieht nichts.</source>
        <translation>A hunter starves, anywhere on the board, not necessarily nearby. If there are no hunters left, nothing happens.</translation>
    </message>
    <message>
        <source>Simulation und Interaktiv</source>
        <translation>Simulation and Interactive</translation>
    </message>
    <message>
        <source>In „Simulation“ spielt das Programm die Runden selbst, so schnell, wie der Regler es sagt: „Start“ spielt bis „Stop“, der kleine Knopf ∨ daneben eine eingegebene Zahl von Runden. Dabei entscheidet das Programm: Das Junge kommt auf das erste freie Nachbarfeld, und es verhungert der erste Räuber des Spielfelds, gesucht Spalte für Spalte von links, in jeder Spalte von oben.</source>
        <translation>In “Simulation” the program plays the rounds by itself, as fast as the slider says: “Start” plays until “Stop”, the small ∨ button beside it a number of rounds you type in. The program makes the choices: the young goes to the first free neighboring cell, and the first hunter on the board starves, searching column by column from the left, each column from the top.</translation>
    </message>
    <message>
        <source>In „Interaktiv“ spielt „Würfeln“ eine Runde, und zwei Entscheidungen trifft man selbst: Bei „Beute plazieren“ das freie Nachbarfeld anklicken, auf das das Junge kommt; bei „Räuber stirbt“ den Räuber anklicken, der verhungert.</source>
        <translation>In “Interactive” “Roll” plays one round, and you make two decisions yourself: at “Place prey” click the free neighboring cell where the young goes; at “Hunter starves” click the hunter that dies.</translation>
    </message>
    <message>
        <source>Insektizid</source>
        <translation>Insecticide</translation>
    </message>
    <message>
        <source>„Insektizid“ besprüht zu Beginn jeder der nächsten Runden sechs zufällige Felder, so viele Runden lang, wie das Feld daneben angibt. Was dort steht, Räuber oder Beute, stirbt; die besprühten Felder sind grün umrandet.</source>
        <translation>“Insecticide” sprays six random cells at the start of each of the next rounds, for as many rounds as the box beside it says. Whatever stands there, hunter or prey, dies; the sprayed cells are framed in green.</translation>
    </message>
    <message>
        <source>Das Diagramm</source>
        <translation>The chart</translation>
    </message>
    <message>
        <source>„Diagramm &gt;&gt;“ öffnet das Diagramm: für jeden Durchgang die Zahl der Räuber (rot, linke Achse) und der Beute (blau, rechte Achse), gezählt zu Beginn der Runde, vor ihrem Zug. Es zeichnet nur, solange es offen ist. Mit einem Rechtsklick lassen sich seine Farben ändern und die Daten löschen, kopieren oder speichern.</source>
        <translation>“Chart &gt;&gt;” opens the chart: for every round the number of hunters (red, left axis) and of prey (blue, right axis), counted at the start of the round, before its move. It records only while it is open. Right-click it to change its colors or to clear, copy or save the data.</translation>
    </message>
    <message>
        <source>Spielnummer</source>
        <translation>Game number</translation>
    </message>
    <message>
        <source>Jedes Spiel hat eine Nummer. „Nochmal“ spielt es noch einmal von vorn, „Nr. …“ beginnt ein Spiel nach seiner Nummer.</source>
        <translation>Every game has a number. “Again” plays it once more from the start, “No. …” starts a game by its number.</translation>
    </message>
    <message>
        <source>Versuchsreihe</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Ein einzelnes Spiel ist Zufall. „Versuchsreihe …“ spielt viele Spiele auf einmal, ohne sie zu zeigen, jedes zweimal vom selben Anfang an: A ohne Insektizid, B mit Insektizid nach einem Plan (ab einer Runde, so viele Runden lang, auf Wunsch immer wieder). Die Diagramme zeigen nach jeder Runde die mittlere Zahl der Räuber (rot) und der Beute (blau); das helle Band reicht vom 10. bis zum 90. Perzentil, in ihm liegen die mittleren 80 % der Spiele. Darunter steht, in wie vielen Spielen eine Seite gerade ausgestorben ist und in wie vielen sie es schon einmal war, denn Räuber können zurückkommen. Die Tabelle nennt, in welcher Runde eine Seite im Mittel zum ersten Mal ausstirbt und wie oft sie am Ende fehlt, mit dem Bereich, in dem dieser Anteil mit 95 % Sicherheit liegt.</source>
        <translation>A single game is chance. “Experiment …” plays many games at once without showing them, each twice from the same start: A without insecticide, B with insecticide by a plan (from a round on, for so many rounds, repeated if you like). The charts show after every round the mean number of hunters (red) and of prey (blue); the light band reaches from the 10th to the 90th percentile, so the middle 80 % of the games lie in it. Below, they show in how many games a side has just died out and in how many it has died out at some point, since hunters can come back. The table gives the round in which a side first dies out on average and how often it is gone at the end, with the range that holds this share with 95 % confidence.</translation>
    </message>
</context>
<context>
    <name>SaveAtomically</name>
    <message>
        <source>Datei %1 kann nicht geschrieben werden. %2</source>
        <translation>Cannot write file %1. %2</translation>
    </message>
    <message>
        <source>Der Inhalt konnte nicht erzeugt werden.</source>
        <translation>Its contents could not be produced.</translation>
    </message>
</context>
<context>
    <name>SeriesChart</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Räuber</source>
        <translation>Hunters</translation>
    </message>
    <message>
        <source>Beute</source>
        <translation>Prey</translation>
    </message>
    <message>
        <source>Linie: Mittel, Band: 10. bis 90. Perzentil</source>
        <translation>line: mean, band: 10th to 90th percentile</translation>
    </message>
    <message>
        <source>bei 0</source>
        <translation>at 0</translation>
    </message>
    <message>
        <source>schon einmal bei 0 (Anteil der Spiele)</source>
        <translation>at 0 at some round so far (share of games)</translation>
    </message>
    <message>
        <source>Noch keine Versuchsreihe</source>
        <translation>No experiment yet</translation>
    </message>
</context>
<context>
    <name>SeriesWindow</name>
    <message>
        <source>Versuchsreihe</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Spiele:</source>
        <translation>&amp;Games:</translation>
    </message>
    <message>
        <source>1 bis 100000 Spiele, jedes einmal ohne und einmal mit Insektizid</source>
        <translation>1 to 100000 games, each once without and once with insecticide</translation>
    </message>
    <message>
        <source>Anzahl der Spiele</source>
        <translation>Number of games</translation>
    </message>
    <message>
        <source>&amp;Runden je Spiel:</source>
        <translation>&amp;Rounds per game:</translation>
    </message>
    <message>
        <source>1 bis 100000 Runden</source>
        <translation>1 to 100000 rounds</translation>
    </message>
    <message>
        <source>Runden je Spiel</source>
        <translation>Rounds per game</translation>
    </message>
    <message>
        <source>&amp;Erste Spielnummer:</source>
        <translation>&amp;First game number:</translation>
    </message>
    <message>
        <source>Die Spiele haben die Nummern ab dieser, wie „Nr. …“ sie spielt</source>
        <translation>The games have the numbers from this one on, as “No. …” plays them</translation>
    </message>
    <message>
        <source>Erste Spielnummer</source>
        <translation>First game number</translation>
    </message>
    <message>
        <source>B mit Insektizid: &amp;ab Runde</source>
        <translation>B with insecticide: from r&amp;ound</translation>
    </message>
    <message>
        <source>Insektizid ab Runde</source>
        <translation>Insecticide from round</translation>
    </message>
    <message>
        <source>&amp;für</source>
        <translation>f&amp;or</translation>
    </message>
    <message>
        <source>Runden je Insektizideinsatz</source>
        <translation>Rounds per insecticide campaign</translation>
    </message>
    <message>
        <source>Runden,</source>
        <translation>rounds,</translation>
    </message>
    <message>
        <source>&amp;wiederholt alle</source>
        <translation>re&amp;peated every</translation>
    </message>
    <message>
        <source>Einsatz wiederholen</source>
        <translation>Repeat the campaign</translation>
    </message>
    <message>
        <source>Einsatz wiederholt alle … Runden</source>
        <translation>Campaign repeated every … rounds</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>rounds</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Die Versuchsreihe spielen</source>
        <translation>Play the experiment</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die laufende Versuchsreihe abbrechen</source>
        <translation>Cancel the running experiment</translation>
    </message>
    <message>
        <source>Fortschritt der Versuchsreihe</source>
        <translation>Progress of the experiment</translation>
    </message>
    <message>
        <source>Als CSV speichern …</source>
        <translation>Save as CSV …</translation>
    </message>
    <message>
        <source>Als Bild speichern …</source>
        <translation>Save as picture …</translation>
    </message>
    <message>
        <source>Diagramm A</source>
        <translation>Chart A</translation>
    </message>
    <message>
        <source>Kennzahlen A</source>
        <translation>Figures A</translation>
    </message>
    <message>
        <source>Diagramm B</source>
        <translation>Chart B</translation>
    </message>
    <message>
        <source>Kennzahlen B</source>
        <translation>Figures B</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal mark of the numbers in the Versuchsreihe&apos;s table and its saved CSV file.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Räuber</source>
        <translation>Hunters</translation>
    </message>
    <message>
        <source>Beute</source>
        <translation>Prey</translation>
    </message>
    <message>
        <source>Erstes Aussterben: mittlere Runde</source>
        <translation>First extinction: mean round</translation>
    </message>
    <message>
        <source>Erstes Aussterben: Median der Runden</source>
        <translation>First extinction: median round</translation>
    </message>
    <message>
        <source>Spiele mit Aussterben (n)</source>
        <translation>Games with an extinction (n)</translation>
    </message>
    <message>
        <source>Am Ende ausgestorben</source>
        <translation>Extinct at the end</translation>
    </message>
    <message>
        <source>95-%-Intervall (Wilson)</source>
        <translation>95% interval (Wilson)</translation>
    </message>
    <message>
        <source>Die Zahl der Spiele ist eine ganze Zahl von 1 bis %1.</source>
        <translation>The number of games is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Die Zahl der Runden je Spiel ist eine ganze Zahl von 1 bis %1.</source>
        <translation>The number of rounds per game is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen.</source>
        <translation>A game number is a whole number from 0 to 4294967295, without a sign and without spaces.</translation>
    </message>
    <message>
        <source>Das Insektizid beginnt in einer Runde von 1 bis %1, der Zahl der Runden je Spiel.</source>
        <translation>The insecticide starts in a round from 1 to %1, the number of rounds per game.</translation>
    </message>
    <message>
        <source>Ein Insektizideinsatz dauert 1 bis %1 Runden.</source>
        <translation>An insecticide campaign lasts 1 to %1 rounds.</translation>
    </message>
    <message>
        <source>Ein Insektizideinsatz wiederholt sich alle 1 bis %1 Runden.</source>
        <translation>An insecticide campaign repeats every 1 to %1 rounds.</translation>
    </message>
    <message>
        <source>A: ohne Insektizid</source>
        <translation>A: without insecticide</translation>
    </message>
    <message>
        <source>B: mit Insektizid</source>
        <translation>B: with insecticide</translation>
    </message>
    <message>
        <source>Noch keine Versuchsreihe: Einstellungen wählen und „Start“ drücken.</source>
        <translation>No experiment yet: choose the settings and press “Start”.</translation>
    </message>
    <message>
        <source>B: Insektizid ab Runde %1 für %2 Runden, alle %3 Runden wiederholt</source>
        <translation>B: insecticide from round %1 for %2 rounds, repeated every %3 rounds</translation>
    </message>
    <message>
        <source>B: Insektizid ab Runde %1 für %2 Runden</source>
        <translation>B: insecticide from round %1 for %2 rounds</translation>
    </message>
    <message>
        <source>%1 Spiele zu je %2 Runden, Spielnummern %3 bis %4, jedes einmal ohne (A) und einmal mit Insektizid (B); gezählt nach jeder Runde.</source>
        <translation>%1 games of %2 rounds each, game numbers %3 to %4, each once without (A) and once with insecticide (B); counted after every round.</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>quorvel-versuchsreihe-%1.%2</source>
        <extracomment>The name a saved Versuchsreihe is offered under: %1 its first game&apos;s number, %2 the extension.</extracomment>
        <translation>quorvel-experiment-%1.%2</translation>
    </message>
    <message>
        <source>Versuchsreihe als CSV speichern</source>
        <translation>Save experiment as CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Mittel</source>
        <extracomment>The figures&apos; names in the columns of a saved Versuchsreihe, after the condition and the side.</extracomment>
        <translation>mean</translation>
    </message>
    <message>
        <source>P10</source>
        <translation>p10</translation>
    </message>
    <message>
        <source>P90</source>
        <translation>p90</translation>
    </message>
    <message>
        <source>ausgestorben %</source>
        <translation>extinct %</translation>
    </message>
    <message>
        <source>schon ausgestorben %</source>
        <translation>once %</translation>
    </message>
    <message>
        <source>PNG-Bild in Bildschirmgröße (*.png)</source>
        <translation>PNG image, screen size (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild in doppelter Größe (*.png)</source>
        <translation>PNG image, twice the size (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Versuchsreihe als Bild speichern</source>
        <translation>Save experiment as picture</translation>
    </message>
    <message>
        <source>Quorvel, Versuchsreihe</source>
        <translation>Quorvel, experiment</translation>
    </message>
</context>
<context>
    <name>SystemRoundTimer</name>
    <message>
        <source>Nicht genügend Timer verfügbar</source>
        <translation>Not enough timers available</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>pageControls</name>
    <message>
        <source>Menü des Diagramms</source>
        <translation>Chart menu</translation>
    </message>
</context>
</TS>

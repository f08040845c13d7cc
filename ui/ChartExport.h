#pragma once

#include <QImage>
#include <QString>

class ChartView;
class GameController;

// The population chart leaves the program as data and as pictures.

// Writes every point the chart holds as one line "round;hunters;prey" under the header
// "Durchgang;Räuber;Beute": the game's round after which the counts were taken, and the two
// counts the curves plot there; the last line holds the counts the status bar shows now.
// Semicolons and no decimals, so a spreadsheet set to German reads three whole-number columns;
// UTF-8 with a byte order mark, so it reads "Räuber" too; CRLF line ends. In English the header
// is "Round,Hunters,Prey" and commas separate, as English spreadsheets expect. Written
// atomically (see saveAtomically).
void writeChartData(const GameController& controller, const QString& path);

// The chart as it is drawn on screen, scale times as wide and as high: at scale 1 exactly the
// pixels shown, black and white while the chart shows monochrome.
QImage chartPicture(ChartView& chart, int scale);

// Writes chartPicture(chart, scale) as a PNG file, atomically.
void writeChartPng(ChartView& chart, const QString& path, int scale);

// Writes the chart as drawn on screen as an SVG drawing of its on-screen size, atomically.
void writeChartSvg(ChartView& chart, const QString& path, const QString& title);

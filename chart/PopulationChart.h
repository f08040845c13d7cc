#pragma once

class ChartView;

// Gives chart the program's population-chart look and its two curves: a silver panel, margins
// 1/6/1/1 percent, the hunters' axis "Anzahl der Räuber" (red, left, 0 to 36), the prey axis
// "Anzahl der Beute" (blue, right, 0 to 36), the automatic round axis "Durchgang", and the series
// series(0) "Räuber" (red, 2 pixels, left axis) and series(1) "Beute" (blue, 2 pixels, right axis).
// chart must hold no series yet. The back wall gets the colour white but stays clear: the start-up
// code makes it solid with setBackColor(white), and a start-up that fails before then shows the
// panel colour through the plot.
void configurePopulationChart(ChartView& chart);

#pragma once

#include <QImage>

class QPainter;

// The two animal tiles, 41 × 41 (or pixels × pixels for the page) and opaque: a light,
// long-eared rabbit for the prey and an orange fox baring its teeth for the hunter, each on a
// plain meadow-green ground.
QImage drawPrey(int pixels = 41);
QImage drawHunter(int pixels = 41);

// The two animals alone, in the units of a 41 × 41 tile, each with its shadow on the ground but
// without the ground: for drawing them at other sizes.
void paintRabbit(QPainter& painter);
void paintFox(QPainter& painter);

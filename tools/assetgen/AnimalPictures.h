#pragma once

#include <QImage>

// The two animal tiles, 41 × 41 and opaque: a light, long-eared rabbit for the prey and an
// orange fox baring its teeth for the hunter, each on a plain meadow-green ground.
QImage DrawPrey();
QImage DrawHunter();

#pragma once

#include <QImage>

// The empty-cell tile (41 × 41): the key colour magenta everywhere the background should
// show through, with a small dot in the middle so an empty cell can still be seen.
QImage drawEmptyCell();
// The same for the page, pixels × pixels: see-through where the background shows.
QImage drawEmptyCellSeeThrough(int pixels);

// The board's background (297 × 297, or pixels × pixels for the page): a meadow with a lighter
// patch under each of the 6 × 6 cells. Tiles sit at 10 + 48 (i − 1) of 297 in it, their frames
// two further out.
QImage drawBoardBackground(int pixels = 297);

// The board as the window shows it: the background with tiles on it, empty ones keyed
// transparent, and optionally the black game frames with one blue and two green ones.
QImage renderBoardPreview(const QImage& background, const QImage& empty, const QImage& prey,
                          const QImage& hunter, bool frames);

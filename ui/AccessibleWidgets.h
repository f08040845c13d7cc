#pragma once

// Makes the program's own painted widgets, the board and the status bar, answer assistive
// technology with their parts (AccessibleBoard, AccessibleStatusBar). The program entry calls it
// once, before any window is shown; calling it again does nothing.
void installAccessibleWidgets();

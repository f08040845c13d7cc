#pragma once

// How a round settles a rule that needs a choice: the program decides (Automatic), or the
// round waits for the player to pick the cell (Interactive).
enum class Mode { Automatic, Interactive };

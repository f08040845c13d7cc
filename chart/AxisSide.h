#pragma once

// The side of the plot an axis runs along.
enum class AxisSide { Bottom, Left, Right };

#include "BatchResults.h"

BatchResults::BatchResults(std::int32_t games, std::size_t checkpoints)
    : games_(games), checkpoints_(checkpoints),
      counts_(static_cast<std::size_t>(games) * checkpoints * 2),
      firsts_(static_cast<std::size_t>(games) * 2, never)
{
}

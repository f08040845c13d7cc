#include "BatchEngine.h"

#include <algorithm>

namespace {
constexpr std::uint64_t wholeBoard = (std::uint64_t{1} << 36) - 1;

// Each cell's block, the cell itself and its neighbors on the board, as a mask.
constexpr std::array<std::uint64_t, 36> blocks = [] {
    std::array<std::uint64_t, 36> result{};
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
            for (int i = std::max(x - 1, 0); i <= std::min(x + 1, 5); ++i)
                for (int j = std::max(y - 1, 0); j <= std::min(y + 1, 5); ++j)
                    result[static_cast<std::size_t>(6 * x + y)] |= std::uint64_t{1} << (6 * i + j);
    return result;
}();

// The core's generator: one step, then a draw below 6 from the top bits of the new state.
inline std::uint32_t step(std::uint32_t seed) { return seed * 134775813u + 1u; }
inline std::uint32_t below6(std::uint32_t seed) { return static_cast<std::uint32_t>((std::uint64_t{seed} * 6) >> 32); }

// A rolled cell, x drawn first, then y, as the bit index 6 (x - 1) + (y - 1). The state for y
// comes straight from the one before x (two steps at once), so the two draws do not wait on
// each other.
inline unsigned rollCell(std::uint32_t& seed)
{
    constexpr std::uint32_t a = 134775813u;
    const std::uint32_t forX = seed * a + 1u;
    const std::uint32_t forY = seed * (a * a) + (a + 1u);
    seed = forY;
    return below6(forX) * 6 + below6(forY);
}

// All ones when the bit at index is set in mask, else 0: a selector without a branch, which on
// these coin tosses would be mispredicted half the time.
inline std::uint64_t whereSet(std::uint64_t mask, unsigned index) { return 0 - ((mask >> index) & 1); }

// A hunters' round on one board: eat the rolled prey, die on a hunter, and on an empty cell the
// first hunter in scan order (the lowest bit) starves; h & (h - 1) is 0 for no hunters.
inline void huntersMove(std::uint64_t& prey, std::uint64_t& hunters, std::uint32_t& seed)
{
    const unsigned index = rollCell(seed);
    const std::uint64_t cell = std::uint64_t{1} << index;
    const std::uint64_t eaten = prey & cell;
    const std::uint64_t onAnimal = whereSet(prey | hunters, index);
    const std::uint64_t ifAnimal = (hunters ^ (hunters & cell)) | eaten;
    const std::uint64_t ifEmpty = hunters & (hunters - 1);
    hunters = (ifAnimal & onAnimal) | (ifEmpty & ~onAnimal);
    prey ^= eaten;
}

// A prey round on one board: born on an empty cell; on a prey the offspring takes the first empty
// cell of the block in scan order (the lowest bit), if any; nothing on a hunter.
inline void preyMoves(std::uint64_t& prey, std::uint64_t hunters, std::uint32_t& seed)
{
    const unsigned index = rollCell(seed);
    const std::uint64_t cell = std::uint64_t{1} << index;
    const std::uint64_t empty = ~(prey | hunters) & wholeBoard;
    const std::uint64_t free = blocks[index] & empty;
    const std::uint64_t offspring = free & (0 - free);
    prey |= (cell & empty) | (offspring & whereSet(prey, index));
}

// One of the six sprayed cells of a round, drawn as a rolled one; a cell drawn twice is simply
// empty already.
inline void sprayCell(std::uint64_t& prey, std::uint64_t& hunters, std::uint32_t& seed)
{
    const std::uint64_t kept = ~(std::uint64_t{1} << rollCell(seed));
    prey &= kept;
    hunters &= kept;
}
}  // namespace

void BatchEngine::newGames(const std::array<std::uint32_t, lanes>& seeds)
{
    round_ = 0;
    sprayRoundsLeft_ = 0;
    for (int lane = 0; lane < lanes; ++lane) {
        std::uint32_t seed = seeds[static_cast<std::size_t>(lane)];
        std::uint64_t prey = 0;
        std::uint64_t hunters = 0;
        // A taken cell costs its attempt two draws, as in the core.
        for (int placed = 0; placed < 15;) {
            const std::uint64_t cell = std::uint64_t{1} << rollCell(seed);
            if ((prey | hunters) & cell)
                continue;
            seed = step(seed);
            ((seed >> 31) != 0 ? hunters : prey) |= cell;  // nextBelow(2): the top bit
            ++placed;
        }
        prey_[lane] = prey;
        hunters_[lane] = hunters;
        seeds_[lane] = seed;
        firstHunters_[lane] = hunters == 0 ? 0 : never;
        firstPrey_[lane] = prey == 0 ? 0 : never;
    }
}

void BatchEngine::playRounds(std::int32_t n)
{
    while (n > 0) {
        if (sprayRoundsLeft_ > 0) {
            const std::int32_t k = std::min(n, sprayRoundsLeft_);
            playRun<true>(k);
            sprayRoundsLeft_ -= k;
            n -= k;
        } else {
            playRun<false>(n);
            n = 0;
        }
    }
}

template <bool spraying>
void BatchEngine::playRun(std::int32_t n)
{
    // Local copies, so the compiler sees that nothing else touches them inside the loop.
    std::uint64_t prey[lanes];
    std::uint64_t hunters[lanes];
    std::uint32_t seeds[lanes];
    std::uint32_t firstHunters[lanes];
    std::uint32_t firstPrey[lanes];
    std::copy_n(prey_, lanes, prey);
    std::copy_n(hunters_, lanes, hunters);
    std::copy_n(seeds_, lanes, seeds);
    std::copy_n(firstHunters_, lanes, firstHunters);
    std::copy_n(firstPrey_, lanes, firstPrey);
    auto round = static_cast<std::uint32_t>(round_);
    for (std::int32_t i = 0; i < n; ++i) {
        ++round;
        // Cell by cell across the lanes, so the lanes' draws overlap instead of waiting in line.
        if constexpr (spraying)
            for (int k = 0; k < 6; ++k)
                for (int l = 0; l < lanes; ++l)
                    sprayCell(prey[l], hunters[l], seeds[l]);
        // Hunters open the game, so they move in odd rounds.
        if (round & 1) {
            for (int l = 0; l < lanes; ++l)
                huntersMove(prey[l], hunters[l], seeds[l]);
        } else {
            for (int l = 0; l < lanes; ++l)
                preyMoves(prey[l], hunters[l], seeds[l]);
        }
        // Only spraying and the hunters take animals away. A board with no hunters or no prey is
        // rare once a game is under way, so one test covers all lanes: x - 1 reaches the top bit
        // only for x = 0.
        if (spraying || (round & 1)) {
            std::uint64_t anyGone = 0;
            for (int l = 0; l < lanes; ++l)
                anyGone |= (hunters[l] - 1) | (prey[l] - 1);
            if (anyGone >> 63)
                for (int l = 0; l < lanes; ++l) {
                    firstHunters[l] = std::min(firstHunters[l], hunters[l] == 0 ? round : never);
                    firstPrey[l] = std::min(firstPrey[l], prey[l] == 0 ? round : never);
                }
        }
    }
    std::copy_n(prey, lanes, prey_);
    std::copy_n(hunters, lanes, hunters_);
    std::copy_n(seeds, lanes, seeds_);
    std::copy_n(firstHunters, lanes, firstHunters_);
    std::copy_n(firstPrey, lanes, firstPrey_);
    round_ = static_cast<std::int32_t>(round);
}

Cell BatchEngine::cell(int lane, int x, int y) const
{
    const std::uint64_t bit = std::uint64_t{1} << (6 * (x - 1) + (y - 1));
    return (prey_[lane] & bit) ? Cell::Prey : (hunters_[lane] & bit) ? Cell::Hunter : Cell::Empty;
}

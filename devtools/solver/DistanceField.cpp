#include "devtools/solver/DistanceField.h"

#include <algorithm>
#include <array>
#include <queue>
#include <utility>

#include "game/MoveBall.h"

namespace {

constexpr std::int32_t Square = DistanceField::Square;
constexpr std::int32_t Columns = GridColumns * CellSize / Square;
constexpr std::int32_t Rows = GridRows * CellSize / Square;

// How high above a tile's top a bounce reaches, the Up arrow helping.
constexpr std::int32_t BounceReach = 56;
constexpr std::int32_t SpringReach = 170;
// How far sideways a bounce carries the ball past the floor's end while it still rises.
constexpr std::int32_t LiftCarry = 40;
// A Block this close beside the ball is a wall it can climb by kicks.
constexpr std::int32_t WallReach = 8;
// A square whose pixels come this close to a Mine is closed: the ball probes six pixels ahead.
constexpr std::int32_t MineMargin = 8;
// Below this the ball is as good as lost: nothing under it but the bottom edge.
constexpr std::int32_t LowestOpenY = 468;

struct Place {
    bool open = false;       // the ball may be here
    bool embedded = false;   // inside a Block, where only a wall kick moves the ball
    bool kicks = false;      // a Block just behind it on the left: Right throws the ball 21 right
    bool brick = false;      // open only to a ball coming from above
    bool supported = false;  // a bounce or a wall lets it move sideways and climb here
    std::int32_t lane = 0;   // a launcher's lane carries it this way (-1, +1), or none (0)
    // The squares from which a ball lands on a launcher and is put here, its lane's start.
    std::vector<std::int32_t> launchedFrom;
};

using Places = std::vector<Place>;

std::size_t indexOf(std::int32_t column, std::int32_t row) {
    return static_cast<std::size_t>(row * Columns + column);
}

std::int32_t codeAt(const StageMap& map, std::int32_t x, std::int32_t y) {
    if (x < 0 || y < 0 || x >= GridColumns * CellSize || y >= GridRows * CellSize) {
        return -1;
    }
    return map[cellIndex(x / CellSize, y / CellSize)];
}

bool nearMine(const StageMap& map, std::int32_t left, std::int32_t top) {
    for (std::int32_t y = top - MineMargin; y <= top + Square - 1 + MineMargin; y += Square) {
        for (std::int32_t x = left - MineMargin; x <= left + Square - 1 + MineMargin; x += Square) {
            if (codeAt(map, x, y) == Mine) {
                return true;
            }
        }
    }
    return false;
}

// A floor that bounces within reach below, or a wall beside.
bool floorOrWall(const StageMap& map, std::int32_t x, std::int32_t y) {
    if (codeAt(map, x - WallReach, y) == Block ||
        codeAt(map, x + Square - 1 + WallReach, y) == Block) {
        return true;
    }
    for (std::int32_t below = y; below <= y + SpringReach; below += Square) {
        const std::int32_t code = codeAt(map, x, below);
        if (code != Empty && code != -1) {
            const std::int32_t reach = code == Spring ? SpringReach : BounceReach;
            return (code == Block || code == Brick || code == Spring) && below - y <= reach;
        }
    }
    return false;
}

// The kick tests the row of the ball's next position, which a step up can move into the row
// above even where a Block there refuses the step.
bool kicksRight(const StageMap& map, std::int32_t left, std::int32_t top) {
    for (const std::int32_t y : {top - 2, top}) {
        for (const std::int32_t x : {left - KickReach, left + Square - 1 - KickReach}) {
            if (codeAt(map, x, y) == Block) {
                return true;
            }
        }
    }
    return false;
}

// Support reaches sideways as far as a rising ball carries, through open squares only.
void carrySupport(Places& places) {
    std::vector<bool> based(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        based[i] = places[i].supported;
    }
    for (std::int32_t row = 0; row < Rows; ++row) {
        for (std::int32_t column = 0; column < Columns; ++column) {
            if (!based[indexOf(column, row)]) {
                continue;
            }
            for (const std::int32_t way : {-1, 1}) {
                for (std::int32_t step = 1; step <= LiftCarry / Square; ++step) {
                    const std::int32_t to = column + way * step;
                    if (to < 0 || to >= Columns || !places[indexOf(to, row)].open) {
                        break;
                    }
                    places[indexOf(to, row)].supported = true;
                }
            }
        }
    }
}

// Each launcher's lane: its mid-height row of squares, from its side outward to a wall; a ball
// landing on the launcher's top starts at the lane's first square.
void addLanes(const StageMap& map, Places& places) {
    for (std::int32_t row = 0; row < GridRows; ++row) {
        for (std::int32_t column = 0; column < GridColumns; ++column) {
            const std::int32_t code = map[cellIndex(column, row)];
            if (code != LeftLauncher && code != RightLauncher) {
                continue;
            }
            const std::int32_t way = code == RightLauncher ? 1 : -1;
            const std::int32_t laneRow = (row * CellSize + CellSize / 2) / Square;
            const std::int32_t laneStart = code == RightLauncher ? (column + 1) * CellSize / Square
                                                                 : column * CellSize / Square - 1;
            if (laneStart < 0 || laneStart >= Columns) {
                continue;
            }
            const std::int32_t aboveRow = row * CellSize / Square - 1;
            for (std::int32_t above = column * CellSize / Square;
                 aboveRow >= 0 && above < (column + 1) * CellSize / Square; ++above) {
                places[indexOf(laneStart, laneRow)].launchedFrom.push_back(
                    static_cast<std::int32_t>(indexOf(above, aboveRow)));
            }
            for (std::int32_t lane = laneStart; lane >= 0 && lane < Columns; lane += way) {
                Place& place = places[indexOf(lane, laneRow)];
                if (!place.open || place.brick) {
                    break;
                }
                place.lane = way;
            }
        }
    }
}

Places placesOf(const StageMap& map) {
    Places places(static_cast<std::size_t>(Columns * Rows));
    for (std::int32_t row = 0; row < Rows; ++row) {
        for (std::int32_t column = 0; column < Columns; ++column) {
            const std::int32_t x = column * Square;
            const std::int32_t y = row * Square;
            const std::int32_t code = codeAt(map, x, y);
            Place& place = places[indexOf(column, row)];
            if (y > LowestOpenY || nearMine(map, x, y)) {
                continue;
            }
            place.kicks = kicksRight(map, x, y);
            if (code == Block) {
                place.embedded = true;
            }
            if (code != Empty && code != Brick) {
                continue;
            }
            place.open = true;
            place.brick = code == Brick;
            place.supported = floorOrWall(map, x, y);
        }
    }
    carrySupport(places);
    addLanes(map, places);
    return places;
}

// Dijkstra from the right edge over two layers of squares, the ball falling free (the first)
// or gliding along a launcher's lane (the second). Each square is reached through the moves
// that lead into it: its cost is that of its cheapest move plus the cost where that move lands.
// Without `physics` every move between open squares counts, as if the ball could fly.
std::vector<std::int32_t> costsToEdge(const Places& places, const MoveWeights& weights,
                                      bool physics) {
    const auto squares = static_cast<std::int32_t>(places.size());
    std::vector<std::int32_t> costs(places.size() * 2, DistanceField::Unreachable);
    using Entry = std::pair<std::int32_t, std::int32_t>;  // cost, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    const auto enter = [&](std::int32_t node, std::int32_t cost) {
        const auto index = static_cast<std::size_t>(node);
        if (cost < costs[index]) {
            costs[index] = cost;
            open.emplace(cost, node);
        }
    };
    const auto reach = [&](std::int32_t node, std::int32_t cost) {
        if (places[static_cast<std::size_t>(node) % places.size()].open) {
            enter(node, cost);
        }
    };
    // The squares from which a kick lands in this one, from open air or from inside a Block.
    const auto reachByKicks = [&](std::int32_t square, std::int32_t cost) {
        const std::int32_t column = square % Columns;
        const std::int32_t nearest = column == Columns - 1 ? 1 : KickJump / Square;
        for (std::int32_t from = std::max(0, column - KickJump / Square - 1);
             from <= column - nearest; ++from) {
            const std::int32_t node = square - column + from;
            const Place& place = places[static_cast<std::size_t>(node)];
            if (place.kicks && (place.open || place.embedded)) {
                enter(node, cost + weights.kick);
            }
        }
    };
    for (std::int32_t row = 0; row < Rows; ++row) {
        const auto edge = static_cast<std::int32_t>(indexOf(Columns - 1, row));
        reach(edge, 0);
        reach(squares + edge, 0);
        // A kick from near the edge clears the stage wherever it lands.
        if (weights.kick != 0 && !places[static_cast<std::size_t>(edge)].open) {
            reachByKicks(edge, 0);
        }
    }
    struct Move {
        std::int32_t dColumn;
        std::int32_t dRow;
    };
    constexpr std::array<Move, 6> moves = {{{0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}}};
    while (!open.empty()) {
        const auto [cost, node] = open.top();
        open.pop();
        if (cost != costs[static_cast<std::size_t>(node)]) {
            continue;
        }
        const std::int32_t square = node % squares;
        const std::int32_t column = square % Columns;
        const Place& to = places[static_cast<std::size_t>(square)];
        if (node >= squares) {
            // Gliding into this square: launched here, or carried from the lane's square before.
            for (const std::int32_t from : to.launchedFrom) {
                reach(from, cost + weights.fall);
            }
            const std::int32_t back = column - to.lane;
            if (to.lane != 0 && back >= 0 && back < Columns &&
                places[static_cast<std::size_t>(square - to.lane)].lane == to.lane) {
                reach(node - to.lane, cost + weights.fall);
            }
            continue;
        }
        if (weights.kick != 0) {
            reachByKicks(square, cost);
        }
        if (!to.open) {
            continue;
        }
        // An arrow ends a glide where it is.
        if (to.lane != 0) {
            reach(squares + square, cost);
        }
        for (const Move& move : moves) {
            const std::int32_t fromColumn = column - move.dColumn;
            const std::int32_t fromRow = square / Columns - move.dRow;
            if (fromColumn < 0 || fromColumn >= Columns || fromRow < 0 || fromRow >= Rows ||
                (to.brick && move.dRow != 1)) {
                continue;
            }
            const Place& from = places[indexOf(fromColumn, fromRow)];
            std::int32_t step = weights.fall;
            if (move.dRow == 0) {
                if (physics && !from.supported) {
                    continue;
                }
                step = weights.sideways;
            } else if (move.dRow < 0) {
                if (physics && (!from.supported || !to.supported)) {
                    continue;
                }
                step = weights.climb;
            }
            reach(static_cast<std::int32_t>(indexOf(fromColumn, fromRow)), cost + step);
        }
    }
    return costs;
}

}  // namespace

DistanceField::DistanceField(const StageMap& map, const MoveWeights& weights) {
    const Places places = placesOf(map);
    cost_ = costsToEdge(places, weights, true);
    flying_ = costsToEdge(places, weights, false);
    for (std::size_t i = 0; i < cost_.size(); ++i) {
        if (cost_[i] == Unreachable && flying_[i] != Unreachable) {
            cost_[i] = NoRoute + flying_[i];
        }
    }
}

std::int32_t DistanceField::at(std::int32_t x, std::int32_t y, bool gliding, bool hovering) const {
    const std::int32_t column = std::clamp(x / Square, 0, Columns - 1);
    const std::int32_t row = std::clamp(y / Square, 0, Rows - 1);
    const std::size_t index =
        indexOf(column, row) + (gliding ? static_cast<std::size_t>(Columns * Rows) : 0);
    return (hovering ? flying_ : cost_)[index];
}

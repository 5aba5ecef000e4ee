#include "devtools/solver/DistanceField.h"

#include <algorithm>
#include <array>
#include <queue>
#include <utility>

namespace {

constexpr std::int32_t Square = DistanceField::Square;
constexpr std::int32_t Columns = GridColumns * CellSize / Square;
constexpr std::int32_t Rows = GridRows * CellSize / Square;

constexpr std::int32_t FallCost = 1;
constexpr std::int32_t SidewaysCost = 2;
constexpr std::int32_t ClimbCost = 4;
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
            if (y > LowestOpenY || nearMine(map, x, y) || (code != Empty && code != Brick)) {
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
std::vector<std::int32_t> costsToEdge(const Places& places, bool physics) {
    const auto squares = static_cast<std::int32_t>(places.size());
    std::vector<std::int32_t> costs(places.size() * 2, DistanceField::Unreachable);
    using Entry = std::pair<std::int32_t, std::int32_t>;  // cost, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    const auto reach = [&](std::int32_t node, std::int32_t cost) {
        const auto index = static_cast<std::size_t>(node);
        if (places[index % places.size()].open && cost < costs[index]) {
            costs[index] = cost;
            open.emplace(cost, node);
        }
    };
    for (std::int32_t row = 0; row < Rows; ++row) {
        const auto edge = static_cast<std::int32_t>(indexOf(Columns - 1, row));
        reach(edge, 0);
        reach(squares + edge, 0);
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
                reach(from, cost + FallCost);
            }
            const std::int32_t back = column - to.lane;
            if (to.lane != 0 && back >= 0 && back < Columns &&
                places[static_cast<std::size_t>(square - to.lane)].lane == to.lane) {
                reach(node - to.lane, cost + FallCost);
            }
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
            std::int32_t step = FallCost;
            if (move.dRow == 0) {
                if (physics && !from.supported) {
                    continue;
                }
                step = SidewaysCost;
            } else if (move.dRow < 0) {
                if (physics && (!from.supported || !to.supported)) {
                    continue;
                }
                step = ClimbCost;
            }
            reach(static_cast<std::int32_t>(indexOf(fromColumn, fromRow)), cost + step);
        }
    }
    return costs;
}

}  // namespace

DistanceField::DistanceField(const StageMap& map) {
    const Places places = placesOf(map);
    cost_ = costsToEdge(places, true);
    const std::vector<std::int32_t> flying = costsToEdge(places, false);
    for (std::size_t i = 0; i < cost_.size(); ++i) {
        if (cost_[i] == Unreachable && flying[i] != Unreachable) {
            cost_[i] = NoRoute + flying[i];
        }
    }
}

std::int32_t DistanceField::at(std::int32_t x, std::int32_t y, bool gliding) const {
    const std::int32_t column = std::clamp(x / Square, 0, Columns - 1);
    const std::int32_t row = std::clamp(y / Square, 0, Rows - 1);
    return cost_[indexOf(column, row) + (gliding ? static_cast<std::size_t>(Columns * Rows) : 0)];
}

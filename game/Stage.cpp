#include "game/Stage.h"

#include "game/GameState.h"
#include "game/StageTable.h"

void loadStage(std::int32_t stage) {
    if (stage < 0 || stage >= StageTableSize) {
        return;
    }
    gameState.map = stageTable[static_cast<std::size_t>(stage)];
    // With several markers the last in reading order places the ball; all are cleared.
    for (std::int32_t row = 0; row < GridRows; ++row) {
        for (std::int32_t column = 0; column < GridColumns; ++column) {
            std::int32_t& cell = gameState.map[cellIndex(column, row)];
            if (cell == StartMarker) {
                gameState.ballX = column * CellSize;
                gameState.ballY = row * CellSize;
                cell = Empty;
            }
        }
    }
}

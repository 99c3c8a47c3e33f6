#include "core/saved_games.h"

#include "core/game.h"
#include "simulation/trophies.h"

namespace pictorio {

void SnapshotGame(Game& game, Forms& forms) { backgroundload(game, forms); }

void SaveGame(Game& /*game*/, Forms& /*forms*/) {}

void LoadGame(Game& /*game*/, Forms& /*forms*/) {}

void DeleteGame(Game& /*game*/, Forms& /*forms*/) {}

bool IsUsablePlayerName(const std::string& name, std::string* reason) {
  (void)name;
  (void)reason;
  return true;
}

}  // namespace pictorio

#pragma once

#include <QRgb>
#include <array>

namespace pictorio {

// One timed painting task. The six differ only in these values; the challenge
// window runs the same steps for each.
struct ChallengeKind {
  const char* caption;       // the task button
  int button;                // Button2..Button7 of the challenge window
  const char* templateFile;  // under AssetRoot
  QRgb targetColour;         // what is to be covered
  QRgb paintColour;          // brush colour and counted colour alike
  const char* brushName;     // "\brush\" + name + ".bmp"
  int timeLimit;             // seconds, countdown excluded
  const char* musicFile;     // under "\sound\music\"
  int cost;                  // dollars
  double penaltyFactor;      // points lost per percent painted outside the target
  int prize;                 // dollars, paid on the first win only
  int trophyIndex;           // GameState.Trophies; also the room's trophy picture
  int cursor;                // screen cursor number
  const char* cursorName;    // its resource
  bool alwaysEnabled;        // open to every player
  int reputationAbove;       // otherwise enabled when Reputation is strictly greater
  const char* intro;         // lines joined by line feed and carriage return
  const char* prizeNote;     // first prize line while the trophy is still to win
  const char* winText;
};

inline constexpr int kChallengeKindCount = 6;

// In the order the buttons stand on screen, which is also rising reputation.
const std::array<ChallengeKind, kChallengeKindCount>& ChallengeKinds();

// The kind behind one of the task buttons (2..7); nullptr for any other number.
const ChallengeKind* ChallengeKindOfButton(int button);

// Whether a player of this reputation may take the task.
bool ChallengeEnabled(const ChallengeKind& kind, int reputation);

// The second prize line, the same for every task.
inline constexpr const char* kPrizeNoteEnd = "score is higher than 80%)";

// The five cursors the challenge window registers each time it opens, as
// (number, resource); "Restore" and "Brush Art" share the brush cursor.
struct ChallengeCursor {
  int number;
  const char* name;
};
inline constexpr ChallengeCursor kChallengeCursors[] = {
    {6, "ROLL"}, {7, "SPRAY"}, {8, "PEN"}, {4, "BRU"}, {9, "TAT"}};

}  // namespace pictorio

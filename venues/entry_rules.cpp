#include "venues/entry_rules.h"

#include <algorithm>

#include "core/game.h"

namespace pictorio {
namespace {

const EntryScene kEntryScenes[4] = {
    {"\\avis\\a2.avi", "\\screens\\s2.jpg", 3, "s5"},
    {"\\avis\\a3.avi", "\\screens\\s3.jpg", 3, "s6"},
    {"\\avis\\a5.avi", "\\screens\\s5.jpg", 2, "s7"},
    {"\\avis\\a4.avi", "\\screens\\s4.jpg", 3, "s8"},
};

}  // namespace

void CheckVenueReputation(Game& game, int venue) {
  game.VenueAllowed = game.GameState.Reputation > game.Venues[venue].ReputationThreshold;
}

const EntryScene& EntrySceneOf(int venue) {
  return kEntryScenes[std::clamp(venue, 1, 4) - 1];
}

EntryTexts EntryTextsFor(int venue, int reputation) {
  const std::string now = std::to_string(reputation) + ".";
  switch (venue) {
    case 1:
      return {
          "Hi, please submit 4 pictures. Accept your selection and exit to go and sell your "
          "goods.",
          "This is a Flea Market. Please come back to submit your pictures when there are "
          "other vendors. You need 4 pictures on that day.",
          "You cannot submit any other pictures today. But please visit your stall to assess "
          "your sales."};
    case 2:
      return {
          "Welcome to the Local Gallery. Please submit 5 pictures and go to the event on the "
          "scheduled day to sell your pictures.",
          "This is the Local Gallery. You need to submit 5 pictures at least one day before "
          "the scheduled exhibition. You also need a reputation of 20. Your current "
          "reputation is " +
              now,
          "Hi, you already submitted pictures for the next exhibition. Go to the event on the "
          "scheduled day."};
    case 3:
      return {
          "We are happy to exhibit your artworks at the National Gallery. Please submit 6 "
          "pictures for the next exhibition.",
          "To exhibit your art here at the National Gallery you need a reputation of 50. Your "
          "current reputation is " +
              now,
          "Thank you for submitting pictures for our next exhibition. Go to the event on the "
          "scheduled day to sell your artworks."};
    default:
      return {
          "Welcome to the International Gallery, we are privileged to exhibit your art here. "
          "Please submit 8 pictures for the next exhibition.",
          "Unfortunately you are not yet skilled enough to exhibit your pictures here at the "
          "International Gallery. You need a reputation of 70. Your current reputation is " +
              now,
          "Thank you for submitting your artworks for the next exhibition. Please return on "
          "the scheduled day to sell your art."};
  }
}

}  // namespace pictorio

#pragma once

#include <string>
#include <vector>

#include "core/one_based.h"

// The records a saved game holds. Kept free of Qt so the saved-game reader
// builds on its own (the fuzzer links only the reader).

namespace pictorio {

struct picrec {
  std::string Title;
  std::string Kind;
  double Value = 0.0;
  bool AtVenue = false;
  bool Gone = false;
};

struct stuffrec {
  std::string Name;
  std::string Kind = "x";
  bool Owned = false;
  int Units = 0;
};

inline constexpr int kStockSlots = 60;

// How far a career can go, with a margin no player will reach. A saved game
// beyond these is damaged; the game's own arithmetic stays inside them.
// Stock units: a million items of one kind, either way.
inline constexpr int kMostStockUnits = 1'000'000'000;
// Dollars, money and picture values alike, either way: up to a trillion the
// saved text's 15 significant digits still hold every cent.
inline constexpr double kMostMoney = 1e12;
// Reputation points, either way.
inline constexpr int kMostReputation = 1'000'000;
// Pictures painted, and pictures sold.
inline constexpr int kMostPictures = 1'000'000;
inline constexpr int kTrophyCount = 14;

// Stock slots read outside the shop.
inline constexpr int kSlotCanvas = 33;
inline constexpr int kSlotTrophyRack = 54;
inline constexpr int kSlotBurglarAlarm = 55;
inline constexpr int kSlotFireExtinguisher = 56;
inline constexpr int kSlotTelephone = 57;

struct who {
  std::string PlayerName;
  int PictureCount = 0;
  int Reputation = 0;
  double Money = 0.0;
  int SavedHours = 0;
  std::vector<picrec> Pictures;
  OneBased<stuffrec, kStockSlots> Stock;
  OneBased<bool, kTrophyCount> Trophies;
  int PicturesSold = 0;
};

struct submittedpic {
  std::vector<std::string> Entries;
  bool Submitted = false;
  std::string Code;
  int Slots = 0;
  int ReputationThreshold = 0;
};

inline constexpr int kVenueFlea = 1;
inline constexpr int kVenueLocal = 2;
inline constexpr int kVenueNational = 3;
inline constexpr int kVenueInternational = 4;

// The reputation at which the shop puts each paint on its shelves.
inline constexpr int kPastelReputation = 10;
inline constexpr int kWatercolourReputation = 20;
inline constexpr int kOilReputation = 35;

}  // namespace pictorio

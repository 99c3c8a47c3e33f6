#include "core/save_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/game.h"
#include "support/scripted_platform.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

OneBased<submittedpic, 4> Venues() {
  ScriptedPlatform platform;
  Game game(platform);
  BuildVenues(game);
  return game.Venues;
}

who FreshGame(const std::string& name) {
  who state;
  state.PlayerName = name;
  state.Money = 25.0;
  state.SavedHours = 1;
  return state;
}

// A game that uses every corner of the format.
who RichGame() {
  who state;
  state.PlayerName = "Zoë O'Neil";
  state.Reputation = -17;
  state.Money = 0.1 + 0.2;
  state.SavedHours = 1234;
  state.PicturesSold = 9;
  state.Stock[1] = {"Pastel Red", "t", true, 2500};
  state.Stock[33] = {"Canvas", "", true, 1000};
  state.Stock[60] = {"", "x", false, -3};
  // Titles that read like markers, numbers, blanks and accents stay titles.
  const char* titles[] = {"PIC", "stuffx", "FLEAXXB", "-1", "", "  Café au lait  ", "trophiex"};
  double value = 12.5;
  for (const char* title : titles) {
    state.Pictures.push_back({title, "o", value, false, false});
    value *= 3;
  }
  state.Pictures[0].Gone = true;
  state.Pictures[1].AtVenue = true;
  state.Pictures[2].Value = 2.5e11;
  state.Pictures[3].Value = 1e-7;
  state.PictureCount = static_cast<int>(state.Pictures.size());
  state.Trophies[1] = true;
  state.Trophies[14] = true;
  return state;
}

LoadedGame Read(const Lines& lines) {
  LoadedGame loaded;
  std::string error;
  EXPECT_TRUE(ReadSavedGame(lines, Venues(), &loaded, &error)) << error;
  return loaded;
}

std::string ReadError(const Lines& lines) {
  LoadedGame loaded;
  std::string error;
  EXPECT_FALSE(ReadSavedGame(lines, Venues(), &loaded, &error));
  return error;
}

Lines Repeat(const Lines& group, int times) {
  Lines lines;
  for (int k = 0; k < times; ++k) lines.insert(lines.end(), group.begin(), group.end());
  return lines;
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Lines kStockGroup = {"stuffx", "", "x", "0", "0"};
const Lines kTrophyGroup = {"trophiex", "0"};

Lines Header(const std::string& pictures) {
  return {"Ann", pictures, "0", "25", "1", "0", "Pics"};
}

TEST(SaveText, RichGameRoundTrips) {
  OneBased<submittedpic, 4> venues = Venues();
  venues[kVenueLocal].Submitted = true;
  venues[kVenueLocal].Entries = {"a", "b", "c", "d", "e", ""};
  // Four of six places taken: written with empty lines for the free ones.
  venues[kVenueNational].Submitted = true;
  venues[kVenueNational].Entries = {"PIC", "g", "h", "i", "", "", ""};
  venues[kVenueInternational].Entries[0] = "not submitted, not written";

  const who rich = RichGame();
  const Lines lines = WriteSavedGame(rich, venues);
  ASSERT_EQ(lines.size(), 7u + 300 + 6 * 7 + 28 + 2 * (5 + 6));
  // The first picture: marker, title, kind, value, then Gone before AtVenue.
  EXPECT_EQ(Lines(lines.begin() + 307, lines.begin() + 319),
            (Lines{"PIC", "PIC", "o", "12.5", "-1", "0", "PIC", "stuffx", "o", "37.5", "0", "-1"}));
  EXPECT_EQ(Lines(lines.end() - 22, lines.end() - 18), (Lines{"LOCALXXB", "a", "LOCALXXB", "b"}));
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()), (Lines{"NATIONALXXB", "", "NATIONALXXB", ""}));

  // Read back, every field comes back: the same text is written again.
  const LoadedGame loaded = Read(lines);
  EXPECT_EQ(WriteSavedGame(loaded.state, venues), lines);
  EXPECT_EQ(std::tuple(loaded.state.Stock[60].Units, loaded.state.Trophies[14],
                       loaded.submitted[kVenueLocal], loaded.entries[kVenueLocal]),
            std::tuple(-3, true, true, venues[kVenueLocal].Entries));
  // Free places survive, but only a filled last place marks the venue entered.
  EXPECT_FALSE(loaded.submitted[kVenueNational]);
  EXPECT_EQ(loaded.entries[kVenueNational], venues[kVenueNational].Entries);
  EXPECT_FALSE(loaded.submitted[kVenueInternational]);
  EXPECT_EQ(loaded.entries[kVenueInternational], Lines(9, ""));
}

TEST(SaveText, ValueSpellings) {
  for (const char* yes : {"-1", "2", "TRUE", "tRuE", " -1 ", "-0,5"})
    EXPECT_EQ(ParseSaveBool(yes), std::optional<bool>(true)) << yes;
  for (const char* no : {"0", "fAlSe", "0.0", "-0"})
    EXPECT_EQ(ParseSaveBool(no), std::optional<bool>(false)) << no;
  for (const char* bad : {"", "yes", "T", "1x", "nan", "truee"})
    EXPECT_FALSE(ParseSaveBool(bad).has_value()) << bad;

  for (const auto& [text, value] : {std::pair{"12,5", 12.5}, {"1E20", 1e20}, {"+.25", 0.25}})
    EXPECT_EQ(ParseSaveFloat(text), value) << text;
  for (const char* bad : {"", "1,000.5", "1,2,3", "inf", "nan", "1e999", "12$", "0x10", "++1", "-"})
    EXPECT_FALSE(ParseSaveFloat(bad).has_value()) << bad;

  EXPECT_EQ(ParseSaveInt("-2147483648"), std::optional<int>(-2147483647 - 1));
  EXPECT_EQ(ParseSaveInt("+7"), std::optional<int>(7));
  for (const char* bad : {"", "2147483648", "1.0", "4 2", "--1", "+-1", "x"})
    EXPECT_FALSE(ParseSaveInt(bad).has_value()) << bad;

  for (const auto& [value, text] :
       {std::pair{1.0 / 3.0, "0.333333333333333"}, {123456789012345678.0, "1.23456789012346e+17"}})
    EXPECT_EQ(FormatSaveFloat(value), text) << value;
  EXPECT_EQ(std::tuple(FormatSaveBool(true), FormatSaveBool(false)), std::tuple("-1", "0"));
}

TEST(SaveText, SurplusGroupsAreIgnoredAndTablesKeepTheirSize) {
  const Lines picture = {"PIC", "Extra", "o", "1", "0", "0"};
  const Lines lines = Header("1") + Repeat(kStockGroup, 60) +
                      Lines{"stuffx", "Surplus", "t", "not even a flag", "0"} + picture + picture +
                      Repeat({"trophiex", "-1"}, 15) + Repeat({"FLEAXXB", "Flea entry"}, 7);
  const LoadedGame loaded = Read(lines);
  EXPECT_EQ(loaded.state.Pictures.size(), 1u);
  for (const stuffrec& slot : loaded.state.Stock) EXPECT_EQ(slot.Name, "");
  for (bool won : loaded.state.Trophies) EXPECT_TRUE(won);
  // Four places, plus the spare that is never written.
  EXPECT_EQ(loaded.entries[kVenueFlea],
            (Lines{"Flea entry", "Flea entry", "Flea entry", "Flea entry", ""}));
  EXPECT_TRUE(loaded.submitted[kVenueFlea]);
}

TEST(SaveText, GroupsAppendedOutOfOrderAreRead) {
  // Between snapshots the entry window and the studio append their groups at the end.
  const Lines lines = Header("1") + Repeat(kStockGroup, 60) + Repeat(kTrophyGroup, 14) +
                      Repeat({"LOCALXXB", "Sunset"}, 5) + Lines{"garbage line", ""} +
                      Lines{"PIC", "Sunset", "w", "7,25", "FALSE", "TRUE"};
  const LoadedGame loaded = Read(lines);
  ASSERT_EQ(loaded.state.Pictures.size(), 1u);
  EXPECT_EQ(loaded.state.Pictures[0].Title, "Sunset");
  EXPECT_EQ(loaded.state.Pictures[0].Value, 7.25);
  EXPECT_TRUE(loaded.state.Pictures[0].AtVenue);
  EXPECT_TRUE(loaded.submitted[kVenueLocal]);
}

TEST(SaveText, DamagedTextIsRefusedNamingTheLine) {
  const Lines body = Repeat(kStockGroup, 60) + Repeat(kTrophyGroup, 14);
  struct Case {
    const char* what;
    Lines lines;
    const char* reason;
  };
  const Case cases[] = {
      {"empty", {}, "The file has 0 lines"},
      {"header cut", {"Ann", "0", "0", "25", "1"}, "The file has 5 lines"},
      {"count not a number", Lines{"Ann", "two", "0", "25", "1", "0"} + body,
       "Line 2: \"two\" is not a whole number."},
      {"negative count", Header("-1") + body, "Line 2: the number of pictures cannot be negative."},
      {"huge count", Header("2147483647") + body, "Line 2: 2147483647 pictures cannot fit"},
      {"count beyond the groups", Header("2") + body + Lines{"PIC", "A", "o", "1", "0", "0"},
       "Line 2: 2 pictures are announced but the file holds 1."},
      {"negative hour", Lines{"Ann", "0", "0", "25", "-5", "0"} + body,
       "Line 5: the game's hour \"-5\""},
      {"name that cannot be a file", Lines{"../etc", "0", "0", "25", "1", "0"} + body, "Line 1:"},
      {"stock cut short", Header("0") + Lines{"stuffx", "Canvas", ""},
       "the file ends in the middle of a \"stuffx\" group."},
      {"picture cut short", Header("1") + body + Lines{"PIC", "A", "o", "1", "0"},
       "of a \"PIC\" group."},
      {"trophy cut short", Header("0") + Lines{"trophiex"}, "of a \"trophiex\" group."},
      {"venue cut short", Header("0") + body + Lines{"INTERXXB"}, "of a \"INTERXXB\" group."},
      {"bad owned flag", Header("0") + Lines{"stuffx", "Canvas", "", "maybe", "1000"},
       "Line 11: \"maybe\" is neither true nor false."},
      {"bad units", Header("0") + Lines{"stuffx", "Canvas", "", "-1", "1.5"},
       "Line 12: \"1.5\" is not a whole number."},
      {"bad value", Header("1") + Lines{"PIC", "A", "o", "1e999", "0", "0"},
       "Line 11: \"1e999\" is not a number."},
      {"title out of the pictures folder",
       Header("1") + Lines{"PIC", "a\\..\\b", "o", "1", "0", "0"},
       "Line 9: the picture's title \"a\\..\\b\" cannot name a picture file."},
      {"entry out of the pictures folder", Header("0") + Lines{"FLEAXXB", "../b"},
       "Line 9: the picture's title \"../b\""},
      // Values no career reaches are damage.
      {"money near the largest double",
       Lines{"Ann", "0", "0", "1.79769313486231e+308", "1", "0"} + body,
       "Line 4: the money \"1.79769313486231e+308\" is out of range."},
      {"reputation", Lines{"Ann", "0", "1000001", "25", "1", "0"} + body,
       "Line 3: the reputation \"1000001\" is out of range."},
      {"pictures sold", Lines{"Ann", "0", "0", "25", "1", "2000000000"} + body, "Line 6:"},
      {"negative pictures sold", Lines{"Ann", "0", "0", "25", "1", "-1"} + body, "Line 6:"},
      {"units one canvas short of overflowing",
       Header("0") + Lines{"stuffx", "Canvas", "", "-1", "2147483000"},
       "Line 12: the amount \"2147483000\" is out of range."},
      {"picture value", Header("1") + body + Lines{"PIC", "A", "o", "1e13", "0", "0"},
       "the value \"1e13\" is out of range."},
  };
  for (const Case& c : cases) {
    const std::string error = ReadError(c.lines);
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
  }
}

// The game's own save, whatever it holds, always reads back.
TEST(SaveText, OwnSavesAlwaysLoad) {
  // The limits themselves are fine, to the cent.
  who edge = FreshGame("Edge");
  edge.Money = 999999999999.99;
  edge.Reputation = -1000000;
  edge.Stock[kSlotCanvas] = {"Canvas", "", true, kMostStockUnits};
  const LoadedGame back = Read(WriteSavedGame(edge, Venues()));
  EXPECT_EQ(back.state.Money, 999999999999.99);
  EXPECT_EQ(back.state.Reputation, -1000000);
  EXPECT_EQ(back.state.Stock[kSlotCanvas].Units, kMostStockUnits);

  // Whatever the running game holds, its text stays inside what reading accepts.
  who wild = FreshGame("Wild");
  wild.Money = std::numeric_limits<double>::max();
  wild.Reputation = std::numeric_limits<int>::min();
  wild.PicturesSold = -4;
  wild.Stock[kSlotCanvas].Units = std::numeric_limits<int>::max();
  wild.Pictures.push_back({"Huge", "o", -std::numeric_limits<double>::infinity(), false, false});
  wild.PictureCount = 1;
  const LoadedGame tamed = Read(WriteSavedGame(wild, Venues()));
  ASSERT_EQ(tamed.state.Pictures.size(), 1u);
  EXPECT_EQ(std::tuple(tamed.state.Money, tamed.state.Reputation, tamed.state.PicturesSold,
                       tamed.state.Stock[kSlotCanvas].Units, tamed.state.Pictures[0].Value),
            std::tuple(kMostMoney, -kMostReputation, 0, kMostStockUnits, -kMostMoney));
}

TEST(SaveText, NamesThatCannotNameAFile) {
  for (const char* fine : {"Anonymous", "Zoë", "Dr. Who?", "a.b", "...", "€uro", "PICS", "pic"})
    EXPECT_FALSE(PlayerNameProblem(fine).has_value()) << fine;
  struct Case {
    std::string name;
    const char* reason;
  };
  const Case refused[] = {
      {"a\\b", "cannot contain \"/\" or \"\\\""},
      {".", "cannot be \".\""},
      {"bell\x7f", "control characters"},
      {"c1\xc2\x85", "control characters"},
      {"\xff\xfe", "characters that a saved game cannot hold"},
      {std::string(252, 'a'), "too long"},
  };
  for (const Case& c : refused) {
    const auto problem = PlayerNameProblem(c.name);
    ASSERT_TRUE(problem.has_value()) << c.name;
    EXPECT_NE(problem->find(c.reason), std::string::npos) << c.name << ": " << *problem;
  }
  for (const char* marker : {"Pics", "trophiex", "FLEAXXB", "INTERXXB"}) {
    const auto problem = PlayerNameProblem(marker);
    ASSERT_TRUE(problem.has_value()) << marker;
    EXPECT_EQ(*problem,
              std::string("\"") + marker +
                  "\" is a word the saved game uses for itself. Please choose another name.");
  }
  EXPECT_FALSE(PlayerNameProblem(std::string(251, 'a')).has_value());
}

}  // namespace
}  // namespace pictorio

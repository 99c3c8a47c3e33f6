#include "core/day_report.h"

#include "core/game.h"

namespace pictorio {
namespace {

std::string Quoted(const std::string& title) {
  return "\"" + title + "\"";
}

std::string JoinTitles(const std::vector<std::string>& titles) {
  std::string joined;
  for (const std::string& title : titles) joined += (joined.empty() ? "" : ", ") + Quoted(title);
  return joined;
}

}  // namespace

std::vector<std::string> DayReportLines(const DayReport& report, double moneyAfter,
                                        int reputationAfter,
                                        const std::vector<std::string>& unsold, bool dayOver) {
  std::vector<std::string> lines;
  for (const DayOffer& offer : report.Offers)
    lines.push_back(offer.Taken
                        ? "Sold " + Quoted(offer.Title) + " for $ " + FormatMoney(offer.Sum) + "."
                        : "Refused $ " + FormatMoney(offer.Sum) + " for " + Quoted(offer.Title) +
                              ".");
  if (report.Offers.empty()) lines.push_back("No buyer made an offer while you were here.");
  lines.push_back("Money: $ " + FormatMoney(report.MoneyBefore) + " -> $ " +
                  FormatMoney(moneyAfter));
  lines.push_back("Reputation: " + std::to_string(report.ReputationBefore) + " -> " +
                  std::to_string(reputationAfter));
  if (!unsold.empty())
    lines.push_back((dayOver ? "Going home: " : "Still on show until the day ends: ") +
                    JoinTitles(unsold));
  return lines;
}

const char* VenueName(int venue) {
  static const char* const kNames[4] = {"Flea Market", "Local Gallery", "National Gallery",
                                        "International Gallery"};
  return venue >= kVenueFlea && venue <= kVenueInternational ? kNames[venue - 1] : "a venue";
}

std::vector<std::string> UnsoldEntries(const submittedpic& venue, const who& state) {
  std::vector<std::string> unsold;
  for (int j = 0; j < venue.Slots && j < static_cast<int>(venue.Entries.size()); ++j) {
    const std::string& title = venue.Entries[static_cast<std::size_t>(j)];
    if (title.empty()) continue;
    for (int p = 0; p < state.PictureCount && p < static_cast<int>(state.Pictures.size()); ++p) {
      const picrec& picture = state.Pictures[static_cast<std::size_t>(p)];
      if (picture.Title == title && !picture.Gone) {
        unsold.push_back(title);
        break;
      }
    }
  }
  return unsold;
}

std::vector<std::string> UnlockNews(int told, int now, const OneBased<submittedpic, 4>& venues) {
  struct Opening {
    int reputation;
    std::string news;
  };
  // A gallery takes pictures from one point above its threshold.
  const Opening openings[] = {
      {kPastelReputation, "Pastels are now on sale in the shop (Products > Pastels)."},
      {kWatercolourReputation, "Water colours are now on sale in the shop (Products > Water colors)."},
      {kOilReputation, "Oil paint is now on sale in the shop (Products > Oil Paint)."},
      {venues[kVenueLocal].ReputationThreshold + 1,
       "The Local Gallery now takes your pictures (Calendar > Local Gallery)."},
      {venues[kVenueNational].ReputationThreshold + 1,
       "The National Gallery now takes your pictures (Calendar > National)."},
      {venues[kVenueInternational].ReputationThreshold + 1,
       "The International Gallery now takes your pictures (Calendar > International)."},
  };
  std::vector<std::string> news;
  for (const Opening& opening : openings)
    if (told < opening.reputation && opening.reputation <= now) news.push_back(opening.news);
  return news;
}

const char* TipText(Tip tip) {
  switch (tip) {
    case Tip::Shop:
      return "Pick a product in the Products menu, then press Buy. A canvas and an HB pencil "
             "are enough to start.";
    case Tip::Studio:
      return "Picture > New Picture, then a style from the Style menu, and paint with the "
             "mouse. Save the picture to sell it.";
    case Tip::EventDay:
      return "An event today! Submit pictures from the calendar and go early: buyers come "
             "through the day.";
    case Tip::Offer:
      return "An offer! Yes sells, no waits for the next buyer. Nobody else comes while an "
             "offer waits.";
  }
  return "";
}

}  // namespace pictorio

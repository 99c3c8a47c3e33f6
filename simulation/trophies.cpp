#include "simulation/trophies.h"

#include <cassert>

#include "app/main_window.h"  // trophies stand on the room's rack and play on its sound player
#include "core/game.h"
#include "simulation/notice_window.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

const TrophyInfo kTrophies[12] = {
    {"Wall Paint Trophy",
     "For displaying an outstanding talent for painting walls you received this trophy."},
    {"Spray Paint Trophy",
     "You received this trophy for accurately vandalising a wall in a spray-painting "
     "competition. "},
    {"Calligraphy Trophy",
     "Morvel gave you this trophy for forging his signature so exact that even he couldn't "
     "tell the difference."},
    {"Brush Art Trophy",
     "You outperformed all others in a brush art competition to get this trophy."},
    {"Tattoo Trophy",
     "You received this trophy for mastering the fine art of making a permanent impression on "
     "people."},
    {"Verrazzini-Sistine-Chapel Trophy",
     "A truly outstanding trophy for excellent restoration work on a masterpiece."},
    {"Plenty Money Trophy",
     "For displaying excellent skill in capitalism and creating $250 you received this trophy."},
    {"Loads of Money Trophy",
     "By making loads of money you could buy this trophy. But you received it for outstanding "
     "skill in making more than $500. "},
    {"50 Paintings Sold Trophy",
     "By creating and selling 50 original works of art you received this small token of "
     "recognition."},
    {"100 Paintings Sold Trophy ",
     "You have been recognised as a true artist and salesperson for your hard work and "
     "dedication in creating and selling a 100 original works of art."},
    {"VIP Trophy", "Not everyone has been visited by a VIP. But you have and here is your proof."},
    {"Number 1 Artist Trophy",
     "You created and sold 150 pieces of art, made more than $1000 and have approval of "
     "international art critiques. This trophy proves you are a real artist."},
};

void MilestoneNotice(Game& game, Forms& forms, const std::string& caption, int trophy,
                     const std::string& line) {
  TForm1& main = *forms.Form1;
  TForm12& notice = *forms.Form12;
  main.PlaySound("\\sound\\sounds\\s3.wav");
  notice.SetCaption(caption);
  notice.ShowPicture(main.TrophyImage(trophy)->Picture());
  notice.AddLine(line);
  ShowNoticeModal(game, forms);
}

}  // namespace

const TrophyInfo& Trophy(int k) {
  assert(k >= 1 && k <= 12);
  return kTrophies[k - 1];
}

void backgroundload(Game& game, Forms& forms) {
  who& state = game.GameState;
  TForm1& main = *forms.Form1;

  if (!game.VipNoticeDone) {
    game.VipNoticeDone = true;
    MilestoneNotice(game, forms, "CONGRATULATIONS", 11,
                    "Congratulations, your art have been seen by a VIP. You receive another "
                    "trophy and 35 reputation points for this event.");
    state.Reputation += 35;
    ShowReputation(*forms.Form3, state.Reputation);
  }
  if (state.PicturesSold >= 100 && !state.Trophies[10]) {
    MilestoneNotice(game, forms, "CONGRATULATIONS", 10,
                    "Congratulations on selling 100 brilliant works of art. You receive another "
                    "trophy for this milestone.");
    state.Trophies[10] = true;
  }
  if (state.PicturesSold >= 50 && !state.Trophies[9]) {
    MilestoneNotice(game, forms, "CONGRATULATIONS", 9,
                    "You sold 50 pictures to reputable collectors. Great stuff. ");
    state.Trophies[9] = true;
  }
  if (state.Money >= 250.0 && !state.Trophies[7]) {
    MilestoneNotice(game, forms, "CONGRATULATIONS", 7,
                    "Well done, you have made plenty of money (i.e. more than $250). You get a "
                    "trophy for this feat.");
    state.Trophies[7] = true;
  }
  if (state.Money >= 500.0 && !state.Trophies[8]) {
    MilestoneNotice(game, forms, "CONGRATULATIONS", 8,
                    "Well done, you have made loads of money (i.e. more than $500). You get "
                    "another trophy for this feat. Keep up the good work.");
    state.Trophies[8] = true;
  }
  if (!state.Trophies[12] && state.Money >= 1000.0 && state.PicturesSold >= 150 &&
      state.Trophies[11]) {
    MilestoneNotice(game, forms, "CONGRATULATIONS YOU MADE IT", 12,
                    "You sold more than 150 pieces of art. Made loads of money and have brought "
                    "the attention of international art critiques to your work. You are a great "
                    "artist.");
    state.Trophies[12] = true;
  }

  main.Image2->setVisible(state.Stock[kSlotTrophyRack].Owned);
  main.Image5->setVisible(state.Stock[kSlotBurglarAlarm].Owned);
  main.Image6->setVisible(state.Stock[kSlotBurglarAlarm].Owned);
  main.Image3->setVisible(state.Stock[kSlotFireExtinguisher].Owned);
  main.Image4->setVisible(state.Stock[kSlotTelephone].Owned);

  const bool rackShown = main.Image2->Visible();
  for (int k = 1; k <= 12; ++k) main.TrophyImage(k)->setVisible(rackShown && state.Trophies[k]);
}

void ShowTrophyClick(Game& game, Forms& forms, int k) {
  TForm1& main = *forms.Form1;
  TImage* clicked = main.TrophyImage(k);
  if (!clicked->Visible()) return;
  TForm12& notice = *forms.Form12;
  notice.ShowPicture(clicked->Picture());
  notice.SetCaption(Trophy(k).title);
  notice.AddLine(Trophy(k).text);
  main.PlaySound("\\sound\\sounds\\s18.wav");
  ShowNoticeModal(game, forms);
}

}  // namespace pictorio

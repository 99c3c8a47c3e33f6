#include "app/player_news.h"

#include <QTextCursor>

#include "app/main_window.h"
#include "core/game.h"
#include "simulation/notice_window.h"
#include "ui/forms.h"
#include "ui/picture_io.h"

namespace pictorio {
namespace {

void ShowLines(Game& game, Forms& forms, const std::string& caption,
               const std::vector<std::string>& lines, const QImage& picture) {
  TForm12& notice = *forms.Form12;
  notice.SetCaption(caption);
  const bool wide = lines.size() > 1;
  if (wide) notice.SetWideLayout();
  for (const std::string& line : lines) notice.AddLine(line);
  // A long summary is read from its first line down.
  notice.Memo1->moveCursor(QTextCursor::Start);
  if (!picture.isNull()) notice.ShowPicture(picture);
  ShowNoticeModal(game, forms);
  if (wide) notice.RestoreLayout();
}

QImage Logo(const Game& game) {
  return LoadPicture(AssetPath(game, "\\items\\pclogo.bmp"));
}

}  // namespace

void ShowDayReport(Game& game, Forms& forms, const std::string& venue,
                   const std::vector<std::string>& lines, const QImage& picture) {
  if (!game.Settings.News) return;
  ShowLines(game, forms, "Your day at the " + venue, lines, picture);
}

void TellUnlocks(Game& game, Forms& forms) {
  const int now = game.GameState.Reputation;
  const std::vector<std::string> news = UnlockNews(game.UnlocksTold, now, game.Venues);
  // Told or not, an opening is news only once.
  if (now > game.UnlocksTold) game.UnlocksTold = now;
  if (news.empty() || !game.Settings.News || !game.GameRunning) return;
  ShowLines(game, forms, "Now open to you", news, Logo(game));
}

void ShowTip(Game& game, Forms& forms, Tip tip) {
  const unsigned bit = 1u << static_cast<unsigned>(tip);
  if (!game.Settings.Tips || !game.TipsThisGame || (game.TipsShown & bit) != 0) return;
  game.TipsShown |= bit;
  ShowLines(game, forms, "Tip", {TipText(tip)}, Logo(game));
}

void EventDayBegins(Game& game, Forms& forms) {
  ShowTip(game, forms, Tip::EventDay);
  if (game.Settings.PauseAtEvents)
    forms.Form1->Pause("Today is an event day: the game waits until you are ready.");
}

}  // namespace pictorio

#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/components.h"
#include "ui/screen_fit.h"

namespace pictorio {

class TCareerBook;
class TFormBase;

struct Game;
struct Forms;

// The painter's room: scene, hot spots, menus, the clock and both media players.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1(Game& game, Forms& forms);

  // Start-up and its steps.
  void FormCreate();
  void FormShow();
  // What waits until the room and its splash are on screen: the pictures of
  // the room's hidden pieces, the two sound players and the first tune.
  // Runs once; later calls do nothing.
  void FinishStartUp();
  void Timer2Timer();
  void CheckDisplayMode();
  void MakePlayerFolders();
  bool SwitchDisplayMode(int width, int height, int bitsPerPixel);
  // True when start-up found the display unusable and the program must end.
  bool CloseRequested() const { return closeRequested_; }

  // Menu and hot spot handlers.
  void New1Click();
  void LoadGame1Click();
  void Save1Click();
  void Delete1Click();
  void Exit1Click();
  void Calendar1Click();
  void Shop1Click();
  void paint1Click();
  void SubmitPicturesClick(int venue);
  void nowEvent1Click();
  void InfoBar1Click();
  void StockBar1Click();
  void Sound1Click();
  void Music1Click();
  void veryfast1Click();
  void fast1Click();
  void Normal1Click();
  void Pause1Click();
  // Stops the clock under the "Paused" notice, `reason` below its own line;
  // the keys 1, 2 and 3 choose the speed the game resumes at.
  void Pause(const std::string& reason = "");
  void Help1Click();
  void Image20Click();
  void Image21Click();
  void Image22Click();
  void Image23Click();
  // Go To > Career Book, Ctrl+B and the bookshelf: the book, with no game hour passing.
  void CareerBook1Click();
  void Image24Click();
  TCareerBook* CareerBook() const { return careerBook_; }
  void TrophyClick(int trophy);
  void Timer1Timer();
  // Runs the close handler as closing the window would; false when the window
  // stays (the player went back to a game that could not be saved).
  bool FormClose();

  // Music: the music player's end-of-track handler, and starting a track of the theme.
  void MediaPlayer2Notify();
  void PlayMusicTrack();
  // Plays an effect ("\sound\sounds\s1.wav") when sound is on.
  void PlaySound(const std::string& relativePath);

  // Scene.
  TImage* Image1;
  TImage* Image2;
  TImage* Image3;
  TImage* Image4;
  TImage* Image5;
  TImage* Image6;
  TImage* Image7;
  TImage* Image8;
  TImage* Image9;
  TImage* Image10;
  TImage* Image11;
  TImage* Image12;
  TImage* Image13;
  TImage* Image14;
  TImage* Image15;
  TImage* Image16;
  TImage* Image17;
  TImage* Image18;
  TImage* Image19;
  TImage* Image20;
  TImage* Image21;
  TImage* Image22;
  TImage* Image23;
  TImage* Image24;  // the bookshelf
  // Trophy k's picture in the scene (k = 1..12).
  TImage* TrophyImage(int trophy) const;
  // The hot spots where they are on screen.
  std::vector<QRect> HotSpotsOnScreen() const;

  // Shows the room as the player chose: filling the screen, the scene in the
  // middle with black around it, or framed in the middle of the desktop. On a
  // screen too small for a frame it always fills the screen.
  void ShowRoom();
  // Options > Display: remembered for the next start, when the game takes
  // the scale it gives; F11 switches to the other one.
  void FullScreen1Click();
  void Window1Click();
  void Autosave1Click();
  void SwitchDisplayClick();

  TTimer Timer1{5000};
  TTimer Timer2{5000};
  TMediaPlayer MediaPlayer1;
  TMediaPlayer MediaPlayer2;

  // Menus.
  QAction* File1;
  QAction* New1;
  QAction* LoadGame1;
  QAction* Save1;
  QAction* Delete1;
  QAction* Exit1;
  QAction* Events1;
  QAction* Calendar1;
  QAction* Shop1;
  QAction* paint1;
  QAction* SubmitPictures1;
  QAction* FleaMarket1;
  QAction* Localgalery1;
  QAction* NationalGallery1;
  QAction* InternationalGallery1;
  QAction* nowEvent1;
  QAction* CareerBook1;
  QAction* Options1;
  QAction* InfoBar1;
  QAction* StockBar1;
  QAction* Sound1;
  QAction* Music1;
  QAction* Speed1;
  QAction* veryfast1;
  QAction* fast1;
  QAction* Normal1;
  QAction* Pause1;
  QAction* Display1;
  QAction* FullScreen1;
  QAction* Window1;
  QAction* SwitchDisplay1;
  QAction* Autosave1;
  QAction* News1;
  QAction* Tips1;
  QAction* PauseAtEvents1;
  QAction* Help1;

  int Timer2Ticks() const { return timer2Ticks_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Shows a window over the whole room (shop, studio) with the info bar above it.
  void CoverRoomWith(TFormBase& window);
  void BuildScene();
  void BuildMenus();
  void OpenSound();
  void SetSpeed(QAction* item, int intervalMs);
  void ChooseDisplay(DisplayChoice choice);
  TImage* MakeImage(const char* design, int left, int top, int width, int height);
  // A piece of the room that is hidden at start: its picture is decoded in FinishStartUp.
  TImage* MakeHiddenImage(const char* design, int left, int top, int width, int height);

  Game& game_;
  Forms& forms_;
  QWidget* scene_;
  std::unique_ptr<QWidget> backdrop_;
  TCareerBook* careerBook_ = nullptr;  // made at its first opening
  int timer2Ticks_ = 0;
  bool shownOnce_ = false;
  bool startUpFinished_ = false;
  std::vector<std::pair<TImage*, const char*>> laterPictures_;
  bool closeRequested_ = false;
  bool closed_ = false;
  bool closing_ = false;
};

}  // namespace pictorio

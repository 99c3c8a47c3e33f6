#pragma once

class QWidget;

namespace pictorio {

struct Game;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;

// Every window of the game, created once in this order and only shown and hidden afterwards.
struct Forms {
  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;
  TForm4* Form4 = nullptr;
  TForm5* Form5 = nullptr;
  TForm6* Form6 = nullptr;
  TForm7* Form7 = nullptr;
  TForm8* Form8 = nullptr;
  TForm9* Form9 = nullptr;
  TForm10* Form10 = nullptr;
  TForm11* Form11 = nullptr;
  TForm12* Form12 = nullptr;
  TForm13* Form13 = nullptr;
  // Form1 seen as a plain widget, so windows can place themselves in the room
  // without knowing the main window.
  QWidget* Room = nullptr;
};

}  // namespace pictorio

// The help text shown by the Help menu: Windows-1252, CR LF line ends, one
// paragraph a line, so the help box wraps it to whatever width it has.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "generators.h"

namespace assets {

namespace {

// Paragraphs; an empty string is a blank line, a line starting with "# " a heading.
const char* const kHelp[] = {
    "# Welcome to Pictorio",
    "You are a young painter with 25 dollars, an empty studio and big dreams. Buy materials, paint "
    "pictures, "
    "sell them at markets and galleries, win challenges and grow your reputation until the whole "
    "art world "
    "knows your name.",
    "",
    "# How to start",
    "Choose Game > New and type your name. Your room appears with the info bar beside it: your "
    "name, "
    "reputation, money, the number of pictures you have made and the clock.",
    "Click the basket at the bottom left to go shopping, the easel to paint, the calendar on the "
    "wall to see the week's events and the open door on the right to leave the game. The Go To "
    "menu leads to the same places.",
    "Your first purchase should be a few canvases and an HB pencil. In the studio choose Picture > "
    "New Picture "
    "(one canvas is used), pick a style from the Style menu and a tool from its panel, then paint "
    "with the mouse. "
    "Save the picture under a name of its own: every title can be used only once.",
    "",
    "# Time",
    "One clock tick is one hour of game time. Each week has seven days, each year 52 weeks. Use "
    "Options > Speed "
    "to play Normal, Fast or Very fast. Options > Speed > Pause stops the clock until you press "
    "Resume. Time "
    "also stands still while a notice is open, while you enter pictures and during a challenge.",
    "While paused, the keys 1, 2 and 3 choose the speed the game resumes at. With Options > "
    "Pause when an event begins, the clock stops as a market, exhibition or challenge day "
    "begins, so you can get ready.",
    "",
    "# News and tips",
    "When you leave a market or exhibition, or it closes, a summary tells what sold and for how "
    "much, which offers you refused, how your money and reputation moved and which pictures go "
    "home. When your reputation opens a new paint in the shop or a gallery, a notice says so. "
    "Options > Summaries and unlocks switches both. A new game also shows short tips the first "
    "time you visit the shop, the studio, an event day and a buyer's offer; Options > Tips "
    "switches them. The game remembers these choices.",
    "",
    "# The screen",
    "The game fills the screen, drawn as large as the screen allows with black around the room. "
    "Options > Display > Window shows it in a window on your desktop instead, and Full screen "
    "brings the whole screen back; F11 switches between the two. The game remembers your choice "
    "and takes it the next time it starts.",
    "",
    "# Painting",
    "Picture > Undo stroke takes back the last stroke, and Picture > Redo stroke lays it again; "
    "the last 30 strokes of a picture can be taken back. The paint an undone stroke used stays "
    "used, and the worth it added goes with it. Starting or loading a picture and leaving the "
    "studio forget the strokes.",
    "A quick drag lays separate dabs of paint. Options > Smooth strokes in the studio fills the "
    "gaps between them at no extra cost; the game remembers the choice. Challenges always lay "
    "dabs as they come.",
    "",
    "The career book (Go To > Career Book, Ctrl+B, or the bookshelf under the window) keeps "
    "every picture, every offer and every week of the game, and tells why each picture is "
    "worth what it is. Reading it stops the clock. It is saved with the game.",
    "",
    "# Keys",
    "In the room: Ctrl+N new game, Ctrl+O load, Ctrl+S save, Ctrl+B career book, F1 help, Space "
    "or P pause, 1 normal speed, 2 fast, 3 very fast, F11 window or full screen.",
    "In the studio: Ctrl+N new picture, Ctrl+O load picture, Ctrl+S save picture, Ctrl+Z undo "
    "stroke, Ctrl+Shift+Z or Ctrl+Y redo stroke, Ctrl+L smooth strokes. Ctrl+1 opens the "
    "pencils, Ctrl+2 the charcoal, Ctrl+3 the pastels, Ctrl+4 the watercolors and Ctrl+5 the "
    "oil paints; then 1, 2, 3, 4 and 5 take up the panel's tools from the top. Tab walks "
    "through the colors and tools, and Space picks the one marked. Escape never leaves a "
    "picture: Picture > Exit asks first.",
    "",
    "# The week",
    "Monday: a quiet day for painting.",
    "Tuesday and Friday: the flea market. Anyone may sell four pictures at a stall.",
    "Wednesday, every other week: the challenge.",
    "Thursday: the local gallery exhibition.",
    "Saturday, every other week: the national gallery exhibition.",
    "Sunday, every fourth week: the international gallery exhibition.",
    "Open the calendar to see which events come this week. When today's event is open, the Go To "
    "Event button "
    "takes you there. Events close at ten in the evening.",
    "",
    "# Venues and reputation",
    "Every picture you sell earns money and one point of reputation. Selling all your pictures at "
    "one venue "
    "earns a bonus: 5 points at the local gallery, 10 at the national and 50 at the international "
    "gallery.",
    "Flea market: open to everyone. Enter your 4 pictures on the market day itself.",
    "Local gallery: you need a reputation of at least 20. Submit 5 pictures at least one day "
    "before the "
    "exhibition.",
    "National gallery: you need a reputation of at least 50. Submit 6 pictures before the "
    "exhibition.",
    "International gallery: you need a reputation of at least 70. Submit 8 pictures before the "
    "exhibition.",
    "To enter pictures, open the calendar and use the Submit pictures to: buttons. Choose a "
    "picture, press "
    "Submit until every place is filled, then press Accept selection. Leaving without accepting "
    "takes your "
    "pictures back home.",
    "At the event buyers come one by one and make you an offer for one of your pictures. Say yes "
    "to sell or no "
    "to wait for a better offer. Offers grow with the worth of the picture and with your "
    "reputation, and buyers "
    "come sooner when you are well known. Unsold pictures come home at the end of the day.",
    "",
    "# Materials and what they are worth",
    "The shop opens more of its range as your reputation grows: pastels from 10 points, "
    "watercolors from 20 "
    "and oil paint from 35. Canvases, pencils, charcoal and the extras are always for sale.",
    "Pencils (HB $3, H2 and B2 $5): cheap and slow to wear out, but a pencil drawing is worth the "
    "least. The "
    "eraser ($5) lasts forever.",
    "Charcoal ($1 a stick): bold and dark, worth twice as much as pencil work, but it wears down "
    "quickly.",
    "Pastels ($5 each, $80 for all 16 colors): worth more again, and more for every color you pick "
    "while you "
    "work.",
    "Watercolors ($10 each, $160 for all 16 colors) need a brush: big, round, flat, thin or fine "
    "($10 to $42). "
    "Finer brushes use less paint. Watercolor is worth three times as much as pastel, and more "
    "colors make it "
    "richer still.",
    "Oil paint ($80 a tube of red, blue or green) is the finest medium. You also need a palette "
    "($50) to mix "
    "on, turpentine ($10) to clean your brushes and an oil brush ($25 to $70). The finer and "
    "dearer the brush, "
    "the more each stroke adds to the worth of the picture.",
    "Stick to one style per picture! A picture that mixes styles, for example pencil and charcoal, "
    "is worth "
    "next to nothing.",
    "Options > Stock Window shows what you have left.",
    "",
    "# Product Information",
    "Our oil paints work like light, not like the paint box of your childhood. There are three "
    "basic colors: "
    "red, green and blue. Every other color is mixed from them with the three sliders on the oil "
    "panel.",
    "Red and green together make yellow. Red and blue make purple, green and blue make turquoise. "
    "All three at "
    "full strength give white, and all three low give a deep, almost black shade.",
    "That is why yellow is not a basic color here: it is mixed from red and green. Only the paint "
    "that a color "
    "needs is used from its tube, so a pure red uses no green or blue at all.",
    "Watercolors and pastels come ready mixed in 16 colors each.",
    "",
    "# Challenges",
    "Every other Wednesday you may enter a challenge. Each task has an entry fee, a time limit and "
    "a trophy. "
    "When the countdown says GO, cover the marked area with the given paint without painting over "
    "anything "
    "else: stray paint costs points. A final score of 80% or more wins the trophy and prize money "
    "the first "
    "time.",
    "Paint Wall: always open. Fee $8, prize $15.",
    "Spraypaint: reputation above 14. Fee $12, prize $20.",
    "Calligraphy: reputation above 29. Fee $18, prize $30.",
    "Brush Art: reputation above 39. Fee $20, prize $45.",
    "Tattoo: reputation above 59. Fee $35, prize $60.",
    "Restore: reputation above 74. Fee $45, prize $100.",
    "",
    "# Trophies",
    "Besides the six challenge trophies you can win trophies for having $250 and $500, for selling "
    "50 and 100 "
    "pictures, for a visit of a VIP at the international gallery, and the Number 1 Artist Trophy "
    "for the whole "
    "career: 150 pictures sold, $1000 and the VIP's approval.",
    "Trophies are shown in your room once you own a trophy rack ($30). Click a trophy to read what "
    "it was for.",
    "",
    "# Fires, burglaries and the extras",
    "Now and then a fire breaks out in the early morning and burns 12% of your money. A fire "
    "extinguisher ($35) "
    "prevents it.",
    "Once you are known, burglars may come at night and steal one of the pictures you keep at "
    "home. A burglar "
    "alarm ($100) keeps them out.",
    "A telephone ($50) rings when an event opens, so you never miss a market or an exhibition.",
    "",
    "# Saving",
    "Game > Save keeps your progress under your name; Game > Load brings it back and Game > Delete "
    "removes a "
    "saved game. When you start a new game, load another or exit, you are asked whether to save "
    "first.",
    "At the start of every game week, and when you leave the program without saving, the game "
    "is also kept as an autosave. It never replaces a game you saved: Game > Load offers it as "
    "\"Autosave of\" and your name. Options > Autosave switches it off and on.",
    "",
    "# Your files",
    "An installed game keeps your saved games in ~/.local/share/pictorio/savegames and your "
    "pictures, as JPEG files, in ~/.local/share/pictorio/pictures (or under XDG_DATA_HOME when "
    "it is set). A copy of the game run from its own folder, where you may write, keeps them in "
    "the savegames and pictures folders beside the program. Your choices in the Options menu "
    "are remembered for the next time.",
    "",
    "Good luck, and happy painting!",
};

std::string ToWindows1252(const std::string& utf8) {
  iconv_t cd = iconv_open("WINDOWS-1252", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no Windows-1252 converter");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("help text is not Windows-1252");
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

void MakeHelpText(Output& out) {
  std::string text;
  for (const char* paragraph : kHelp) {
    std::string p = paragraph;
    if (p.rfind("# ", 0) == 0) {
      text += p.substr(2) + "\r\n";
      continue;
    }
    text += p + "\r\n";
  }
  out.bytes("Pictorio Help.txt", ToWindows1252(text));
}

}  // namespace assets

#pragma once

#include <QImage>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class QDialog;

namespace pictorio {

enum class MsgType { Confirmation, Information, Warning, Error };
enum class MsgButtons { Ok, OkCancel, YesNo };
// What a dialog was closed with. None: closed by the window's own close button.
enum class ModalResult { None, Ok, Cancel, Yes, No };

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  bool operator==(const DisplayMode&) const = default;
};

// Raised by SetDisplayMode when the system refuses a mode it listed.
struct DisplayModeError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class MediaChannel { Effects = 0, Music = 1 };

// The game's only door to the world outside: dialogs, nested modal loops,
// chance, sound, animations, cursors and the display. Production talks to Qt,
// SDL2_mixer and FFmpeg; tests script every answer.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual ModalResult MessageDlg(const std::string& text, MsgType type, MsgButtons buttons) = 0;
  // Returns `proposed` when the player cancels.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& proposed) = 0;
  // A folder the player chooses, starting at `start`; empty when the player cancels.
  virtual std::string ChooseFolder(const std::string& caption, const std::string& start) = 0;
  // Blocks until the window closes; timers keep firing meanwhile.
  virtual void ShowModal(QDialog& window) = 0;

  // Uniform in 0 .. n-1 (0 when n <= 0), and uniform in [0, 1).
  virtual int Random(int n) = 0;
  virtual double RandomReal() = 0;

  // Two players: a new effect replaces one still playing; one tune at a time.
  // Open fails with a reason when the file is missing or unreadable.
  virtual bool MediaOpen(MediaChannel channel, const std::string& nativePath,
                         std::string* error) = 0;
  virtual bool MediaPlay(MediaChannel channel, std::string* error) = 0;
  virtual void MediaStop(MediaChannel channel) = 0;
  // Called on the UI thread when playback of the channel ends by itself.
  virtual void SetMediaNotify(MediaChannel channel, std::function<void()> onEnd) = 0;

  // Every frame of an AVI file; empty with a reason when it cannot be decoded.
  virtual std::vector<QImage> LoadAnimation(const std::string& nativePath, std::string* error) = 0;

  // Cursors from the game's own pictures, by resource name, under a number; 0 is the arrow.
  virtual void RegisterCursor(int number, const std::string& resourceName) = 0;
  virtual void SetScreenCursor(int number) = 0;

  virtual DisplayMode CurrentDisplayMode() = 0;
  virtual std::vector<DisplayMode> DisplayModes() = 0;
  // Makes the mode current and persistent; throws DisplayModeError when refused.
  virtual void SetDisplayMode(const DisplayMode& mode) = 0;

  virtual std::string CurrentDirectory() = 0;
  // The folder the program file lies in; where there is no such thing, the current one.
  virtual std::string ProgramDirectory() { return CurrentDirectory(); }
  // The player's own data folder (XDG_DATA_HOME, by default ~/.local/share).
  virtual std::string PlayerDataHome() { return ""; }
};

// The name a cursor resource has, and the point of the tool that paints.
struct CursorShape {
  const char* name;
  int hotX;
  int hotY;
};
inline constexpr CursorShape kCursorShapes[] = {{"PENCIL", 0, 0}, {"CHARCO", 0, 0}, {"ERA", 4, 5},
                                                {"BRU", 0, 0},    {"PASTA", 1, 1},  {"ROLL", 14, 5},
                                                {"SPRAY", 0, 0},  {"PEN", 2, 3},    {"TAT", 7, 0}};

}  // namespace pictorio

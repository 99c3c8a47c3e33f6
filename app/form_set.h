#pragma once

#include "ui/forms.h"

namespace pictorio {

struct Game;

// Owns the windows; creates them in order and destroys them in reverse.
// The room comes first, alone, so it can be shown at once; the windows it
// hides come with FinishStartUp, right after its first frame.
class FormSet {
 public:
  explicit FormSet(Game& game);
  // Creates the other twelve windows, then finishes the room's start-up
  // (hidden pictures, sound, first tune). Runs once; later calls do nothing.
  void FinishStartUp();
  ~FormSet();
  FormSet(const FormSet&) = delete;
  FormSet& operator=(const FormSet&) = delete;
  Forms& forms() { return forms_; }

 private:
  Game& game_;
  Forms forms_;
};

}  // namespace pictorio

#pragma once

#include "ui/forms.h"

namespace pictorio {

struct Game;

// Owns the windows; creates them in order and destroys them in reverse.
class FormSet {
 public:
  explicit FormSet(Game& game);
  ~FormSet();
  FormSet(const FormSet&) = delete;
  FormSet& operator=(const FormSet&) = delete;
  Forms& forms() { return forms_; }

 private:
  Forms forms_;
};

}  // namespace pictorio

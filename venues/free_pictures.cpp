#include "venues/free_pictures.h"

#include "core/game.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {

void ListFreePictures(Game& game, Forms& forms) {
  TStringList& free = forms.Form3->ListBox3;
  free.Clear();
  for (const picrec& picture : game.GameState.Pictures)
    if (!picture.Gone && !picture.AtVenue) free.Add(picture.Title);
}

}  // namespace pictorio

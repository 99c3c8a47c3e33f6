#include "support/pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "core/save_text.h"
#include "support/test_app.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"

namespace pictorio {

void AddPicture(TestApp& app, const std::string& title, double value, int hue) {
  QImage picture(80, 60, QImage::Format_RGB32);
  picture.fill(QColor::fromHsv(hue, 200, 210));
  ASSERT_TRUE(SaveJpeg(picture, (app.dir / "pictures" / (title + ".jpg")).string()));
  who& state = app.game.GameState;
  state.Pictures.push_back({title, "p", value, false, false});
  state.PictureCount = static_cast<int>(state.Pictures.size());
  TStringList& text = app.forms().Form3->ListBox1;
  text.Add(std::string(kPictureMarker));
  text.Add(title);
  text.Add("p");
  text.Add(FormatSaveFloat(value));
  text.Add(FormatSaveBool(false));
  text.Add(FormatSaveBool(false));
}

}  // namespace pictorio

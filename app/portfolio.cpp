#include "app/portfolio.h"

#include <QString>
#include <filesystem>

#include "core/game.h"
#include "core/read_file.h"
#include "core/save_files.h"
#include "studio/artwork_files.h"
#include "ui/picture_io.h"

namespace pictorio {
namespace {

std::string Html(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

std::string Dollars(long long cents) {
  return "$" + FormatMoney(static_cast<double>(cents) / 100.0);
}

constexpr const char* kStyle =
    "body{background:#f3e4c4;color:#3b2412;font-family:Georgia,'Times New Roman',serif;"
    "margin:2em auto;max-width:60em;padding:0 1em}"
    "h1{font-weight:normal;border-bottom:2px solid #7a5230}"
    ".pictures{display:flex;flex-wrap:wrap;gap:1.2em}"
    "figure{margin:0;background:#fffaee;border:1px solid #7a5230;padding:.6em;width:16em}"
    "figure img,.missing{width:16em;height:12em;object-fit:contain;display:block;background:#fff}"
    ".missing{display:flex;align-items:center;justify-content:center;color:#a08c78;"
    "border:1px dashed #a08c78;box-sizing:border-box}"
    "figcaption{margin-top:.5em;line-height:1.4}"
    "table{border-collapse:collapse;margin-top:1em}td,th{padding:.2em .8em;text-align:left;"
    "border-bottom:1px solid #d8c4a0}";

}  // namespace

std::string PortfolioPage(const std::string& painter, const std::vector<PortfolioPicture>& pictures,
                          const SalesSummary& sales) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      Html(painter) + " - portfolio</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" +
      Html(painter) + "</h1>\n<p>" + std::to_string(pictures.size()) +
      " pictures. Taken in sales: " + Dollars(sales.TakenCents) +
      ".</p>\n<div class=\"pictures\">\n";
  for (const PortfolioPicture& p : pictures) {
    page += "<figure>";
    if (p.File.empty()) page += "<div class=\"missing\">The picture's file is missing</div>";
    else page += "<img src=\"" + Html(p.File) + "\" alt=\"" + Html(p.Row.Title) + "\">";
    page += "<figcaption><b>" + Html(p.Row.Title) + "</b><br>" + Html(StyleName(p.Row.Style)) +
            ", worth $" + FormatMoney(p.Row.Worth) + "<br>" + Html(p.Row.Standing) +
            "</figcaption></figure>\n";
  }
  page += "</div>\n<h2>Sales</h2>\n<table>\n<tr><th>Venue</th><th>Offers</th><th>Taken</th>"
          "<th>Money</th></tr>\n";
  for (const SaleTotal& t : sales.ByVenue)
    page += "<tr><td>" + Html(t.What) + "</td><td>" + std::to_string(t.Offers) + "</td><td>" +
            std::to_string(t.Taken) + "</td><td>" + Dollars(t.TakenCents) + "</td></tr>\n";
  page += "</table>\n</body>\n</html>\n";
  return page;
}

bool ExportPortfolio(const Game& game, const std::string& folder, std::string* page,
                     std::string* error) {
  namespace fs = std::filesystem;
  const who& state = game.GameState;
  const fs::path root = fs::path(folder) / (state.PlayerName + " portfolio");
  std::error_code failed;
  fs::create_directories(root / "pictures", failed);
  if (failed) {
    *error = "The folder '" + root.string() + "' could not be made: " + failed.message();
    return false;
  }
  std::vector<PortfolioPicture> pictures;
  for (PictureRow& row : PictureRows(state, game.Book)) {
    PortfolioPicture picture{std::move(row), {}};
    // Numbered names: a title may hold what a web address cannot.
    const std::string file = "pictures/" + std::to_string(picture.Row.Index + 1) + ".jpg";
    std::string bytes, ignored;
    if (ReadRegularFile(PicturePath(game, picture.Row.Title), &bytes, &ignored,
                        kLargestPictureFile)) {
      if (!WriteBytesSafely((root / file).string(), bytes, error)) return false;
      picture.File = file;
    }
    pictures.push_back(std::move(picture));
  }
  const fs::path index = root / "index.html";
  if (!WriteBytesSafely(index.string(),
                        PortfolioPage(state.PlayerName, pictures, SummariseSales(state, game.Book)),
                        error))
    return false;
  *page = index.string();
  return true;
}

}  // namespace pictorio

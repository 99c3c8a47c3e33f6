#pragma once

#include <string>
#include <vector>

#include "app/career_pages.h"

// Book > Export Portfolio: one HTML page that stands alone, to share. The
// pictures are copied beside it; the page has no script and asks the network
// for nothing, so it opens the same anywhere.

namespace pictorio {

struct Game;

struct PortfolioPicture {
  PictureRow Row;
  std::string File;  // beside the page ("pictures/3.jpg"); empty when the picture's file is gone
};

std::string PortfolioPage(const std::string& painter, const std::vector<PortfolioPicture>& pictures,
                          const SalesSummary& sales);

// Writes "<painter> portfolio" in `folder`: index.html and the pictures it
// shows. The page's path comes back, or false with the reason.
bool ExportPortfolio(const Game& game, const std::string& folder, std::string* page,
                     std::string* error);

}  // namespace pictorio

#pragma once

#include <QAbstractListModel>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <vector>

#include "app/career_pages.h"
#include "ui/form_base.h"

class QAction;

namespace pictorio {

// The Pictures page's list. Thumbnails are read from the picture files only
// when the list first shows a row, then kept: a long career opens at once.
class BookPictureModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit BookPictureModel(const Game& game, QObject* parent = nullptr);
  void SetRows(std::vector<PictureRow> rows);
  const PictureRow* Row(int row) const;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The picture's file, or a "missing" card when it is gone, at `size`.
  QPixmap Picture(const PictureRow& row, QSize size) const;
  int ThumbnailsRead() const { return static_cast<int>(thumbnails_.size()); }

 private:
  const Game& game_;
  std::vector<PictureRow> rows_;
  mutable QHash<int, QPixmap> thumbnails_;  // by picture index
};

// The Weeks page's charts: money, reputation, and pictures painted and sold,
// over one time line that marks the trophies won.
class WeekCharts : public QWidget {
  Q_OBJECT
 public:
  explicit WeekCharts(QWidget* parent = nullptr);
  void SetWeeks(std::vector<WeekRow> weeks);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<WeekRow> weeks_;
};

// Go To > Career Book: every picture, offer and week of the game.
class TCareerBook : public TFormBase {
  Q_OBJECT
 public:
  TCareerBook(Game& game, Forms& forms, QWidget* parent = nullptr);

  // Builds the pages from the game as it stands now.
  void Refresh();
  void FilterChange();
  void PictureChosen(int row);
  void ExportPortfolio1Click();

  QAction* ExportPortfolio1;
  QAction* Close1;
  QLabel* OriginLabel;
  QTabWidget* Pages;
  QComboBox* StyleFilter;
  QComboBox* StateFilter;
  QListView* PictureList;
  BookPictureModel* PictureModel;
  QLabel* PicturePreview;
  QLabel* PictureDetails;
  QTableWidget* OfferTable;
  QLabel* SalesTotals;
  WeekCharts* Charts;

 private:
  void FillSales();
  std::vector<PictureRow> rows_;
  bool salesFilled_ = false;
};

}  // namespace pictorio

#include "app/career_book_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/portfolio.h"
#include "core/game.h"
#include "simulation/trophies.h"
#include "studio/artwork_files.h"
#include "ui/picture_io.h"
#include "ui/platform.h"
#include "ui/theme.h"

namespace pictorio {
namespace {

constexpr QSize kThumbnail(64, 48);
constexpr QSize kPreview(240, 180);
constexpr QSize kFace(28, 28);

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QPixmap MissingCard(QSize size) {
  QPixmap card(size);
  card.fill(theme::kCream);
  QPainter p(&card);
  p.setPen(QPen(theme::kFaded, 1, Qt::DashLine));
  p.drawRect(card.rect().adjusted(0, 0, -1, -1));
  p.setPen(theme::kFaded);
  p.drawText(card.rect(), Qt::AlignCenter | Qt::TextWordWrap,
             size.width() < 100 ? "missing" : "The picture's file is missing");
  return card;
}

QString Money(double dollars) {
  return "$" + Q(FormatMoney(dollars));
}

QString Cents(long long cents) {
  return Money(static_cast<double>(cents) / 100.0);
}

const PictureState kStates[] = {PictureState::Studio, PictureState::Entered, PictureState::Sold,
                                PictureState::Stolen, PictureState::GoneBefore};
const char* const kStyles[] = {"p", "c", "t", "w", "o", "x", "z"};

}  // namespace

// ---- the Pictures page's list ----

BookPictureModel::BookPictureModel(const Game& game, QObject* parent)
    : QAbstractListModel(parent), game_(game) {}

void BookPictureModel::SetRows(std::vector<PictureRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  // A picture may have been painted over since it was last shown.
  thumbnails_.clear();
  endResetModel();
}

const PictureRow* BookPictureModel::Row(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(row)]
                                                          : nullptr;
}

int BookPictureModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QPixmap BookPictureModel::Picture(const PictureRow& row, QSize size) const {
  const QImage image = LoadPicture(PicturePath(game_, row.Title));
  if (image.isNull()) return MissingCard(size);
  return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QVariant BookPictureModel::data(const QModelIndex& index, int role) const {
  const PictureRow* row = Row(index.row());
  if (!row) return {};
  if (role == Qt::DisplayRole)
    return Q(row->Title) + "\n" + Q(StyleName(row->Style)) + ", " + Money(row->Worth) + " - " +
           Q(PictureStateName(row->State));
  if (role == Qt::DecorationRole) {
    auto found = thumbnails_.find(row->Index);
    if (found == thumbnails_.end())
      found = thumbnails_.insert(row->Index, Picture(*row, kThumbnail));
    return *found;
  }
  return {};
}

// ---- the Weeks page's charts ----

WeekCharts::WeekCharts(QWidget* parent) : QWidget(parent) {}

void WeekCharts::SetWeeks(std::vector<WeekRow> weeks) {
  weeks_ = std::move(weeks);
  update();
}

void WeekCharts::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = p.fontMetrics();
  const int line = metrics.height();
  if (weeks_.empty()) {
    p.setPen(theme::kInk);
    p.drawText(rect(), Qt::AlignCenter, "No week of this career has been written down yet.");
    return;
  }
  const int left = metrics.horizontalAdvance("$000,000.00") + 10;
  const int right = width() - 12;
  const int first = weeks_.front().Week, last = std::max(weeks_.back().Week, first + 1);
  auto x = [&](int week) {
    return left + static_cast<double>(week - first) * (right - left) / (last - first);
  };
  // Three charts share the height above the trophy strip and the week axis.
  const int stripHeight = 3 * line + 8;
  const int chartsBottom = height() - stripHeight - line - 6;
  const int chartHeight = (chartsBottom - 4) / 3;

  auto frame = [&](int top, const QString& title, const QString& high, const QString& low) {
    const QRect box(left, top + line, right - left, chartHeight - line - 6);
    p.setPen(theme::kInk);
    p.drawText(QRect(left, top, right - left, line), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(theme::kWood, 1));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.bottomLeft(), box.topLeft());
    p.setPen(theme::kInk);
    p.drawText(QRect(0, box.top() - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
               high);
    p.drawText(QRect(0, box.bottom() - line / 2, left - 6, line),
               Qt::AlignRight | Qt::AlignVCenter, low);
    return box;
  };
  auto lineChart = [&](int top, const QString& title, auto value, const QColor& colour,
                       auto label) {
    double low = 0, high = 0;
    for (const WeekRow& w : weeks_) {
      low = std::min(low, value(w));
      high = std::max(high, value(w));
    }
    if (high <= low) high = low + 1;
    const QRect box = frame(top, title, label(high), label(low));
    auto y = [&](double v) { return box.bottom() - (v - low) * box.height() / (high - low); };
    QPainterPath path;
    for (std::size_t i = 0; i < weeks_.size(); ++i) {
      const QPointF point(x(weeks_[i].Week), y(value(weeks_[i])));
      if (i == 0) path.moveTo(point);
      else path.lineTo(point);
    }
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  };
  lineChart(0, "Money at the end of each week", [](const WeekRow& w) { return w.Money; },
            QColor(62, 120, 70), [](double v) { return Money(v); });
  lineChart(chartHeight, "Reputation", [](const WeekRow& w) { return double(w.Reputation); },
            QColor(64, 104, 160), [](double v) { return QString::number(std::lround(v)); });

  // Weeks too many for a bar each of their own are counted together.
  const int span = last - first + 1;
  const int group = std::max(1, (span * 8 + (right - left) - 1) / (right - left));
  std::map<int, std::pair<int, int>> bins;  // first week of a group: painted, sold
  for (const WeekRow& w : weeks_) {
    auto& bin = bins[first + (w.Week - first) / group * group];
    bin.first += w.Painted;
    bin.second += w.Sold;
  }
  int most = 1;
  for (const auto& [week, bin] : bins) most = std::max({most, bin.first, bin.second});
  const QString per = group == 1 ? "each week" : QString("every %1 weeks").arg(group);
  const QRect bars = frame(2 * chartHeight, "Pictures painted (brown) and sold (red) " + per,
                           QString::number(most), "0");
  const double barWidth = std::max(1.0, (x(first + group) - x(first)) / 2 - 0.5);
  p.setPen(Qt::NoPen);
  for (const auto& [week, bin] : bins) {
    const double h1 = double(bin.first) * bars.height() / most;
    const double h2 = double(bin.second) * bars.height() / most;
    p.setBrush(theme::kWood);
    p.drawRect(QRectF(x(week), bars.bottom() - h1, barWidth, h1));
    p.setBrush(QColor(200, 62, 48));
    p.drawRect(QRectF(x(week) + barWidth, bars.bottom() - h2, barWidth, h2));
  }

  // The trophies on the same time line, their names beneath.
  const int stripTop = chartsBottom + 2;
  p.setPen(theme::kInk);
  p.drawText(QRect(0, stripTop, left - 6, line), Qt::AlignRight | Qt::AlignVCenter, "Trophies");
  QStringList names;
  double free = 0;  // markers of trophies won close together stand side by side
  for (const WeekRow& w : weeks_)
    for (int t : w.TrophiesWon) {
      const QPointF at(std::max(x(w.Week), free), stripTop + line / 2.0);
      free = at.x() + line + 2;
      p.setBrush(QColor(236, 186, 58));
      p.setPen(QPen(theme::kWood, 1));
      p.drawEllipse(at, line / 2.0, line / 2.0);
      p.setPen(theme::kInk);
      p.drawText(QRectF(at.x() - line, at.y() - line / 2.0, 2 * line, line), Qt::AlignCenter,
                 QString::number(t));
      if (t <= 12) names << QString("%1 week %2: %3").arg(t).arg(w.Week).arg(Trophy(t).title);
    }
  p.setPen(theme::kInk);
  const QRect legend(left, stripTop + line + 2, right - left, 2 * line);
  QString text = names.isEmpty() ? "None won yet" : names.join(";  ");
  // Two lines of names at most; the rest are cut with an ellipsis.
  while (text.lastIndexOf(';') > 0 &&
         metrics.boundingRect(legend, Qt::TextWordWrap, text).height() > legend.height())
    text = text.left(text.lastIndexOf(';')) + "...";
  p.drawText(legend, Qt::TextWordWrap, text);
  // The week axis, its ends inside the chart.
  const int axis = height() - line - 2;
  p.drawText(QRect(left, axis, 120, line), Qt::AlignLeft, "Week " + QString::number(first));
  p.drawText(QRectF(x((first + last) / 2) - 60, axis, 120, line), Qt::AlignCenter,
             "Week " + QString::number((first + last) / 2));
  p.drawText(QRect(right - 120, axis, 120, line), Qt::AlignRight, "Week " + QString::number(last));
}

// ---- the window ----

TCareerBook::TCareerBook(Game& g, Forms& f, QWidget* parent)
    : TFormBase(g, f, "Career Book", parent) {
  setFixedSize(780, 540);
  SetRoomPlace(RoomPlace::Centred);
  auto* layout = new QVBoxLayout(this);
  auto* menus = new QMenuBar(this);
  QMenu* book = menus->addMenu("Book");
  ExportPortfolio1 = book->addAction("Export Portfolio...");
  book->addSeparator();
  Close1 = book->addAction("Close");
  layout->setMenuBar(menus);
  OriginLabel = new QLabel(this);
  OriginLabel->setWordWrap(true);
  OriginLabel->setTextFormat(Qt::PlainText);
  layout->addWidget(OriginLabel);
  Pages = new QTabWidget(this);
  layout->addWidget(Pages, 1);

  // Pictures.
  auto* pictures = new QWidget;
  auto* picturesLayout = new QVBoxLayout(pictures);
  auto* filters = new QHBoxLayout;
  StyleFilter = new QComboBox;
  StyleFilter->addItem("Every style", QString());
  for (const char* style : kStyles) StyleFilter->addItem(Q(StyleName(style)), QString(style));
  StateFilter = new QComboBox;
  StateFilter->addItem("Wherever it is", -1);
  for (PictureState s : kStates) StateFilter->addItem(Q(PictureStateName(s)), int(s));
  filters->addWidget(new QLabel("Style:"));
  filters->addWidget(StyleFilter);
  filters->addSpacing(16);
  filters->addWidget(new QLabel("Standing:"));
  filters->addWidget(StateFilter);
  filters->addStretch();
  picturesLayout->addLayout(filters);
  auto* split = new QHBoxLayout;
  PictureModel = new BookPictureModel(g, this);
  PictureList = new QListView;
  PictureList->setModel(PictureModel);
  PictureList->setIconSize(kThumbnail);
  PictureList->setUniformItemSizes(true);
  PictureList->setSpacing(2);
  // A long title is cut short with an ellipsis; the side pane gives it whole.
  PictureList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PictureList->setTextElideMode(Qt::ElideRight);
  split->addWidget(PictureList, 1);
  auto* side = new QVBoxLayout;
  PicturePreview = new QLabel;
  PicturePreview->setFixedSize(kPreview);
  PicturePreview->setAlignment(Qt::AlignCenter);
  side->addWidget(PicturePreview);
  PictureDetails = new QLabel;
  PictureDetails->setWordWrap(true);
  PictureDetails->setTextFormat(Qt::PlainText);
  PictureDetails->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // A mixed picture's story can run longer than the page.
  auto* details = new QScrollArea;
  details->setWidget(PictureDetails);
  details->setWidgetResizable(true);
  details->setFrameShape(QFrame::NoFrame);
  details->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  details->viewport()->setAutoFillBackground(false);
  PictureDetails->setAutoFillBackground(false);
  details->setFixedWidth(kPreview.width() + 40);
  side->addWidget(details, 1);
  split->addLayout(side);
  picturesLayout->addLayout(split, 1);
  Pages->addTab(pictures, "Pictures");

  // Sales: filled the first time the page is shown.
  auto* sales = new QWidget;
  auto* salesLayout = new QVBoxLayout(sales);
  OfferTable = new QTableWidget(0, 6);
  OfferTable->setHorizontalHeaderLabels({"When", "Venue", "Buyer", "Picture", "Offer", "Answer"});
  OfferTable->verticalHeader()->hide();
  OfferTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  OfferTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  OfferTable->setIconSize(kFace);
  OfferTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  OfferTable->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  salesLayout->addWidget(OfferTable, 1);
  SalesTotals = new QLabel;
  SalesTotals->setWordWrap(true);
  SalesTotals->setTextFormat(Qt::PlainText);
  salesLayout->addWidget(SalesTotals);
  Pages->addTab(sales, "Sales");

  Charts = new WeekCharts;
  Pages->addTab(Charts, "Weeks");

  QObject::connect(StyleFilter, &QComboBox::currentIndexChanged, [this] { FilterChange(); });
  QObject::connect(StateFilter, &QComboBox::currentIndexChanged, [this] { FilterChange(); });
  QObject::connect(PictureList->selectionModel(), &QItemSelectionModel::currentChanged,
                   [this](const QModelIndex& now) { PictureChosen(now.row()); });
  QObject::connect(Pages, &QTabWidget::currentChanged, [this](int page) {
    if (page == 1) FillSales();
  });
  QObject::connect(ExportPortfolio1, &QAction::triggered, [this] { ExportPortfolio1Click(); });
  QObject::connect(Close1, &QAction::triggered, [this] { Close(); });
}

void TCareerBook::Refresh() {
  OriginLabel->setText(Q(BookOriginText(game.Book)));
  rows_ = PictureRows(game.GameState, game.Book);
  salesFilled_ = false;
  FilterChange();
  Charts->SetWeeks(WeekRows(game.GameState, game.Book, game.ElapsedHours));
  if (Pages->currentIndex() == 1) FillSales();
}

void TCareerBook::FilterChange() {
  const int state = StateFilter->currentData().toInt();
  PictureModel->SetRows(FilterRows(rows_, StyleFilter->currentData().toString().toStdString(),
                                   state < 0 ? std::nullopt
                                             : std::optional(static_cast<PictureState>(state))));
  if (PictureModel->rowCount() > 0) PictureList->setCurrentIndex(PictureModel->index(0));
  else PictureChosen(-1);
}

void TCareerBook::PictureChosen(int row) {
  const PictureRow* picture = PictureModel->Row(row);
  if (!picture) {
    PicturePreview->clear();
    PictureDetails->setText(rows_.empty() ? "No picture has been painted in this game yet."
                                          : "No picture is of this style and standing.");
    return;
  }
  PicturePreview->setPixmap(PictureModel->Picture(*picture, kPreview));
  QString text = Q(picture->Title) + "\n" + Q(StyleName(picture->Style)) + ", worth " +
                 Money(picture->Worth) + "\n" + Q(picture->Standing);
  if (picture->InBook) text += "\nPainted " + Q(HourText(picture->PaintedHour));
  text += "\n\nWhy it is worth " + Money(picture->Worth) + ":";
  for (const WorthLine& part : picture->Breakdown)
    text += "\n   " + Q(WorthSourceName(part.Source)) + "  " + Cents(part.Cents);
  if (picture->Style == "x")
    text += "\n\nA second style made it a mixed picture: its worth fell to one cent, and each "
            "stroke since adds a cent for every colour it uses.";
  PictureDetails->setText(text);
}

void TCareerBook::ExportPortfolio1Click() {
  const std::string folder = game.platform.ChooseFolder(
      "Export Portfolio", QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              .toStdString());
  if (folder.empty()) return;
  std::string page, error;
  if (ExportPortfolio(game, folder, &page, &error))
    game.platform.MessageDlg("The portfolio was written to " + page + ".", MsgType::Information,
                             MsgButtons::Ok);
  else
    game.platform.MessageDlg("The portfolio could not be written.\n" + error, MsgType::Error,
                             MsgButtons::Ok);
}

void TCareerBook::FillSales() {
  if (salesFilled_) return;
  salesFilled_ = true;
  const std::vector<BookOffer>& offers = game.Book.Offers;
  OfferTable->setUpdatesEnabled(false);
  OfferTable->setRowCount(static_cast<int>(offers.size()));
  QHash<QString, QIcon> faces;
  // The latest offer first: the one a player looks for.
  for (std::size_t i = 0; i < offers.size(); ++i) {
    const BookOffer& o = offers[offers.size() - 1 - i];
    const int r = static_cast<int>(i);
    const QString face = Q(o.Buyer);
    if (!faces.contains(face)) {
      const QImage image = LoadPicture(AssetPath(game, o.Buyer));
      faces.insert(face, image.isNull() ? QIcon(MissingCard(kFace))
                                        : QIcon(QPixmap::fromImage(image.scaled(
                                              kFace, Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    }
    OfferTable->setItem(r, 0, new QTableWidgetItem(Q(HourText(o.Hour))));
    OfferTable->setItem(r, 1, new QTableWidgetItem(Q(VenueName(o.Venue))));
    OfferTable->setItem(r, 2, new QTableWidgetItem(faces.value(face), o.Vip ? "VIP" : ""));
    OfferTable->setItem(r, 3, new QTableWidgetItem(Q(o.Title)));
    auto* sum = new QTableWidgetItem(Money(o.Sum));
    sum->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    OfferTable->setItem(r, 4, sum);
    OfferTable->setItem(r, 5, new QTableWidgetItem(o.Taken ? "Taken" : "Refused"));
  }
  OfferTable->setUpdatesEnabled(true);

  const SalesSummary summary = SummariseSales(game.GameState, game.Book);
  auto totals = [](const std::vector<SaleTotal>& list) {
    QStringList parts;
    for (const SaleTotal& t : list)
      if (t.Offers > 0)
        parts << Q(t.What) + " " + QString::number(t.Taken) + " of " + QString::number(t.Offers) +
                     " taken, " + Cents(t.TakenCents);
    return parts.isEmpty() ? QString("none yet") : parts.join("; ");
  };
  QString text = "Taken in all: " + Cents(summary.TakenCents) + "\nBy venue: " +
                 totals(summary.ByVenue) + "\nBy style: " + totals(summary.ByStyle) +
                 "\nBest offer refused: ";
  if (summary.BestRefused)
    text += Money(summary.BestRefused->Sum) + " for " + Q(summary.BestRefused->Title) +
            " at the " + Q(VenueName(summary.BestRefused->Venue)) + ", " +
            Q(HourText(summary.BestRefused->Hour));
  else
    text += "none";
  SalesTotals->setText(text);
}

}  // namespace pictorio

// The window's construction, start-up, shut-down and layout.

#include "orvik/app/tform1.h"

#include "orvik/app/settings_file.h"
#include "orvik/app/ui_texts.h"
#include "orvik/app/window_placement.h"

#include "orvik/exchange/choice_lists.h"
#include "orvik/exchange/session.h"
#include "orvik/render/font_mapping.h"
#include "orvik/render/sjis_codec.h"
#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>

namespace orvik::app {
namespace {

constexpr int kPanelWidth = 178;
constexpr int kStatusHeight = 24;

QColor ColourOf(Colour32 c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

void SetBackground(QWidget *w, Colour32 colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, ColourOf(colour));
  palette.setColor(QPalette::Base, ColourOf(colour));
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const char *text, int x,
                  int y) {
  auto *label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QComboBox *MakeList(QWidget *parent, const char *name, int x, int y) {
  auto *list = new QComboBox(parent);
  list->setObjectName(name);
  list->setGeometry(x, y, 129, list->sizeHint().height());
  list->setAttribute(Qt::WA_InputMethodEnabled, false);
  list->setMaxVisibleItems(16);
  return list;
}

QString SpacingAsText(double spacing) {
  return QString::fromStdString(FormatReal(spacing));
}

// Settings values arrive from a file and may be anything; a rectangle
// needs coordinates that leave room for its size.
QRect SavedRect(std::int32_t left, std::int32_t top, std::int32_t width,
                std::int32_t height) {
  constexpr int kFar = 1 << 24;
  return {std::clamp(left, -kFar, kFar), std::clamp(top, -kFar, kFar),
          std::min(width, kFar), std::min(height, kFar)};
}

} // namespace

TForm1::TForm1(ProgramFiles files, SystemServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      files_(std::move(files)), services_(services) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(text::kCaption));
  QFont font(render::MapFace(QString::fromUtf8("ＭＳ ゴシック")).family);
  font.setPixelSize(13);
  setFont(font);
  SetBackground(this, MakeColour(255, 255, 255));
  setMinimumSize(kMinWindowWidth, kMinWindowHeight);
  move(194, 105);
  resize(599, 413);

  pens_ = std::make_unique<attributes::TgraAttribute>();
  BuildControls();
  // Keys reach the window before its controls.
  qApp->installEventFilter(this);
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
  LabelA1 = new QLabel(QString::fromUtf8(text::kEmptyStatus), this);
  LabelA1->setObjectName("LabelA1");
  LabelA1->setAlignment(Qt::AlignCenter);
  SetBackground(LabelA1, 0xE7E7E7);

  PaintBox1 = new PaintBox(*this, this);

  Panel2 = new QWidget(this);
  Panel2->setObjectName("Panel2");
  SetBackground(Panel2, MakeColour(0xFF, 0xFB, 0xF0)); // cream
  BuildPanel();
  LayOutControls();
}

void TForm1::BuildPanel() {
  RadioGroup1 = new QGroupBox(QString::fromUtf8(text::kModeGroup), Panel2);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(0, 0, 177, 65);
  auto *grid = new QGridLayout(RadioGroup1);
  grid->setContentsMargins(6, 2, 2, 2);
  grid->setSpacing(0);
  RadioItems = new QButtonGroup(RadioGroup1);
  for (int i = 0; i < 4; ++i) {
    auto *item =
        new QRadioButton(QString::fromUtf8(text::kModeItems[i]), RadioGroup1);
    RadioItems->addButton(item, i);
    grid->addWidget(item, i % 2, i / 2); // items fill the columns in turn
  }
  RadioItems->button(kScreenMode)->setChecked(true);
  connect(RadioItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on)
      RadioGroup1Click(id);
  });

  Label1 = MakeLabel(Panel2, "Label1", text::kColourLabel, 8, 72);
  ComboBox1 = MakeList(Panel2, "ComboBox1", 48, 68);
  connect(ComboBox1, &QComboBox::activated, this,
          [this](int index) { ComboBox1Change(index); });
  Label2 = MakeLabel(Panel2, "Label2", text::kLineTypeLabel, 8, 96);
  ComboBox2 = MakeList(Panel2, "ComboBox2", 48, 92);
  connect(ComboBox2, &QComboBox::activated, this,
          [this](int index) { ComboBox2Change(index); });

  CheckBox1 = new QCheckBox(QString::fromUtf8(text::kGridCheck), Panel2);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(8, 118, 57, 17);
  connect(CheckBox1, &QCheckBox::toggled, this,
          [this](bool on) { CheckBox1Click(on); });

  Edit1 = new QLineEdit(Panel2);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(64, 116, 57, Edit1->sizeHint().height());
  Edit1->setMaxLength(8);
  Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
  Edit1->setToolTip(QString::fromUtf8(text::kSpacingHint));
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString &t) { Edit1Change(t); });
  LabelU = MakeLabel(Panel2, "LabelU", text::kDefaultUnit, 128, 120);

  Memo1 = new QPlainTextEdit(Panel2);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(0, 144, 177, 137);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->document()->setDocumentMargin(2);
  SetBackground(Memo1, MakeColour(0xBB, 0xEB, 0xF4));
  QStringList notice;
  for (const char *line : text::kNoticeLines)
    notice << QString::fromUtf8(line);
  Memo1->setPlainText(notice.join('\n'));

  Button1 = new QPushButton(QString::fromUtf8(text::kOkButton), Panel2);
  Button1->setObjectName("Button1");
  Button1->setGeometry(0, 288, 73, 25);
  Button2 = new QPushButton(QString::fromUtf8(text::kCancelButton), Panel2);
  Button2->setObjectName("Button2");
  Button2->setGeometry(72, 288, 105, 25);
  for (QPushButton *b : {Button1, Button2}) {
    b->setAutoDefault(false); // Enter presses neither
    b->setDefault(false);
  }
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  LabelC = MakeLabel(Panel2, "LabelC", "", 8, 320);
  LabelC->setToolTip(QString::fromUtf8(text::kCounterHint));

  setTabOrder(RadioItems->button(kScreenMode), ComboBox1);
  setTabOrder(ComboBox1, ComboBox2);
  setTabOrder(ComboBox2, CheckBox1);
  setTabOrder(CheckBox1, Edit1);
  setTabOrder(Edit1, Button1);
  setTabOrder(Button1, Button2);
}

void TForm1::FixDrawingArea(QSize size) {
  fixed_area_ = size;
  LayOutControls();
}

// The status line spans the bottom, the panel the right side above it, and
// the drawing area the rest.
void TForm1::LayOutControls() {
  const int w = width(), h = height();
  LabelA1->setGeometry(0, h - kStatusHeight, w, kStatusHeight);
  Panel2->setGeometry(w - kPanelWidth, 0, kPanelWidth, h - kStatusHeight);
  if (fixed_area_)
    PaintBox1->setGeometry(QRect(QPoint(0, 0), *fixed_area_));
  else
    PaintBox1->setGeometry(0, 0, std::max(0, w - kPanelWidth),
                           std::max(0, h - kStatusHeight));
}

void TForm1::showEvent(QShowEvent *event) {
  if (!started_) {
    started_ = true;
    FormShow();
  }
  QWidget::showEvent(event);
}

void TForm1::FormShow() {
  exchange::LoadExchangeFile(model_, output_, files_.exchange_path);

  const exchange::DrawingModel &m = model_;
  WindowSettings settings;
  ReadSettingsFile(files_.settings_path, {m.SheetCoords, m.DrawingScale()},
                   settings);
  SavedLeft = settings.SavedLeft;
  SavedTop = settings.SavedTop;
  SavedWidth = settings.SavedWidth;
  SavedHeight = settings.SavedHeight;
  ColourIndex = settings.ColourIndex;
  LineTypeIndex = settings.LineTypeIndex;
  GridOn = settings.GridOn;
  GridSpacing = settings.GridSpacing;
  GridOriginX = GridOriginY = 0.0;
  RestoreGeometry();

  FillLists();
  ComboBox1->setCurrentIndex(ColourIndex < ComboBox1->count() ? ColourIndex
                                                              : -1);
  ComboBox2->setCurrentIndex(LineTypeIndex < ComboBox2->count() ? LineTypeIndex
                                                                : -1);
  LabelU->setText(
      QString::fromUtf8(m.SheetCoords ? text::kSheetUnit : text::kRealUnit));
  LabelU->adjustSize();
  // Filling the spacing field switches the grid off (its change handler
  // does so for every edit); the switch read from the settings file is put
  // back afterwards, so the grid of the last run survives.
  const std::int32_t restored_grid = GridOn;
  Edit1->setText(SpacingAsText(GridSpacing));
  CheckBox1->setChecked(restored_grid != 0);

  ShowStatus(QString::fromUtf8(text::kModeStatus[kScreenMode]));
  LabelC->setText(QString::fromUtf8(text::kCounterLines) + "0" +
                  QString::fromUtf8(text::kCounterPoints) + "0");
  LabelC->adjustSize();

  FitAll();
  Shown = true;
  LoadedElementCount = static_cast<std::int32_t>(model_.EntOrder.Count());
  exchange::PrepareNewElements(model_, ColourIndex, LineTypeIndex);
}

// Snapping works without the index (the plain search gives the same
// answers), so building it waits until the first picture is on screen.
// It takes in the host's elements only: the user's are appended and taken
// back at the end of the lists, where the index searches plainly.
void TForm1::BuildSnapIndexLater() {
  if (snap_index_requested_)
    return;
  snap_index_requested_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!closed_ && model_.EntOrder.Count() ==
                            static_cast<std::size_t>(LoadedElementCount))
          snap_index_.Build(model_);
      },
      Qt::QueuedConnection);
}

void TForm1::RestoreGeometry() {
  QList<QRect> screens;
  for (const QScreen *s : QGuiApplication::screens())
    screens << s->availableGeometry();
  const QRect r = KeepOnScreens(
      SavedRect(SavedLeft, SavedTop, SavedWidth, SavedHeight), screens);
  move(r.topLeft());
  resize(r.size());
  LayOutControls();
}

void TForm1::FillLists() {
  ComboBox1->clear();
  for (const std::string &item : exchange::ColourListItems())
    ComboBox1->addItem(render::DecodeSjis(item));
  ComboBox2->clear();
  for (const std::string &item : exchange::LineTypeListItems())
    ComboBox2->addItem(render::DecodeSjis(item));
}

void TForm1::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  FormResize();
}

// The view keeps its centre and scale; the area shows the last picture
// until the next redraw.
void TForm1::FormResize() {
  LayOutControls();
  SavedWidth = std::max(width(), kMinWindowWidth);
  SavedHeight = std::max(height(), kMinWindowHeight);
  if (!Shown)
    return;
  const double cx = (view_.ViewLeft + view_.ViewRight) / 2;
  const double cy = (view_.ViewBottom + view_.ViewTop) / 2;
  view_.ViewWidth = PaintBox1->width();
  view_.ViewHeight = PaintBox1->height();
  view_.CentreWindow(cx, cy, view_.ViewScale);
}

void TForm1::closeEvent(QCloseEvent *event) {
  FormClose();
  event->accept();
}

void TForm1::FormClose() {
  if (closed_ || !started_)
    return;
  closed_ = true;
  Shown = false; // nothing renders from here on
  ViewImage = QImage();
  PanImage = QImage();
  PanImageValid = false;
  pens_.reset();

  SavedLeft = x();
  SavedTop = y();
  SavedWidth = std::max(width(), kMinWindowWidth);
  SavedHeight = std::max(height(), kMinWindowHeight);
  ColourIndex = ComboBox1->currentIndex();
  LineTypeIndex = ComboBox2->currentIndex();
  GridSpacing =
      std::max(StrToFloatZ(Edit1->text().toStdString()), kMinGridSpacing);
  GridOn = CheckBox1->isChecked() ? 1 : 0;
  WriteSettingsFile(files_.settings_path,
                    {model_.SheetCoords, model_.DrawingScale()},
                    {SavedLeft, SavedTop, SavedWidth, SavedHeight, ColourIndex,
                     LineTypeIndex, GridOn, GridSpacing});

  exchange::FlushExchangeFile(output_, files_.exchange_path);
  snap_index_.Clear();
  exchange::FreeModel(model_);
}

void TForm1::ShowStatus(const QString &status) {
  LabelA1->setText(status);
  LabelA1->repaint();
}

QString TForm1::StatusText() const { return LabelA1->text(); }
QString TForm1::CounterText() const { return LabelC->text(); }
QString TForm1::SpacingText() const { return Edit1->text(); }
bool TForm1::GridChecked() const { return CheckBox1->isChecked(); }
int TForm1::ColourItem() const { return ComboBox1->currentIndex(); }
int TForm1::LineTypeItem() const { return ComboBox2->currentIndex(); }
int TForm1::ModeItem() const { return RadioItems->checkedId(); }

// Keys go to the window first, wherever the focus is; wheel notches over
// the drawing area zoom.
bool TForm1::eventFilter(QObject *watched, QEvent *event) {
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!widget || widget->window() != this)
    return false;
  if (event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    return FormKeyDown(key->key(), key->modifiers());
  }
  if (event->type() == QEvent::KeyRelease) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
      swallow_escape_ = false;
  }
  return false;
}

void TForm1::ChooseMode(int item) {
  if (QAbstractButton *b = RadioItems->button(item))
    b->click();
}
void TForm1::ChooseColour(int item) {
  ComboBox1->setCurrentIndex(item);
  ComboBox1Change(ComboBox1->currentIndex());
}
void TForm1::ChooseLineType(int item) {
  ComboBox2->setCurrentIndex(item);
  ComboBox2Change(ComboBox2->currentIndex());
}
void TForm1::SetGridChecked(bool on) { CheckBox1->setChecked(on); }
void TForm1::SetSpacingText(const QString &t) { Edit1->setText(t); }
void TForm1::PressOk() { Button1->click(); }
void TForm1::PressCancel() { Button2->click(); }

void TForm1::RadioGroup1Click(int item) {
  if (item >= 0 && item < 4)
    ShowStatus(QString::fromUtf8(text::kModeStatus[item]));
  // A change of mode drops a half-built arc, so the arc mode's first
  // stroke is always what its status text asks for: the start point.
  ArcStage = false;
}

void TForm1::CheckBox1Click(bool checked) {
  GridOn = checked ? 1 : 0;
  Redraw();
}

void TForm1::Edit1Change(const QString &t) {
  GridOn = 0;
  CheckBox1->setChecked(false);
  GridSpacing = std::max(StrToFloatZ(t.toStdString()), kMinGridSpacing);
}

void TForm1::ComboBox1Change(int index) {
  ColourIndex = index;
  exchange::SelectColour(model_, index, 1);
  exchange::SelectPointColour(model_, index, 1);
}

void TForm1::ComboBox2Change(int index) {
  LineTypeIndex = index;
  exchange::SelectLineType(model_, index, 1);
}

void TForm1::Button2Click() { close(); }

} // namespace orvik::app

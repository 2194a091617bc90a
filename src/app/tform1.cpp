// The window's construction, start-up, shut-down and layout.

#include "orvik/app/tform1.h"

#include "orvik/app/window_placement.h"

#include "orvik/exchange/choice_lists.h"
#include "orvik/render/font_mapping.h"
#include "orvik/render/sjis_codec.h"
#include "orvik/session/settings_file.h"
#include "orvik/session/ui_texts.h"

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

namespace text = session::text;
using session::kMinWindowHeight;
using session::kMinWindowWidth;

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

// Settings values arrive from a file and may be anything; a rectangle
// needs coordinates that leave room for its size.
QRect SavedRect(std::int32_t left, std::int32_t top, std::int32_t width,
                std::int32_t height) {
  constexpr int kFar = 1 << 24;
  return {std::clamp(left, -kFar, kFar), std::clamp(top, -kFar, kFar),
          std::min(width, kFar), std::min(height, kFar)};
}

} // namespace

TForm1::TForm1(session::ProgramFiles files, session::SystemServices &services,
               QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      PaintBox1(new PaintBox(*this, this)), surface_(*PaintBox1),
      session_(std::move(files), surface_, *this, services) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(text::kCaption));
  QFont font(render::MapFace(QString::fromUtf8("ＭＳ ゴシック")).family);
  font.setPixelSize(13);
  setFont(font);
  SetBackground(this, MakeColour(255, 255, 255));
  setMinimumSize(kMinWindowWidth, kMinWindowHeight);
  move(194, 105);
  resize(599, 413);
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

  Panel2 = new QWidget(this);
  Panel2->setObjectName("Panel2");
  SetBackground(Panel2, MakeColour(0xFF, 0xFB, 0xF0)); // cream
  BuildPanel();
  ConnectPanel();
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
  for (int i = 0; i < session::kModeCount; ++i) {
    auto *item =
        new QRadioButton(QString::fromUtf8(text::kModeItems[i]), RadioGroup1);
    RadioItems->addButton(item, i);
    grid->addWidget(item, i % 2, i / 2); // items fill the columns in turn
  }
  RadioItems->button(session::kScreenMode)->setChecked(true);

  Label1 = MakeLabel(Panel2, "Label1", text::kColourLabel, 8, 72);
  ComboBox1 = MakeList(Panel2, "ComboBox1", 48, 68);
  Label2 = MakeLabel(Panel2, "Label2", text::kLineTypeLabel, 8, 96);
  ComboBox2 = MakeList(Panel2, "ComboBox2", 48, 92);

  CheckBox1 = new QCheckBox(QString::fromUtf8(text::kGridCheck), Panel2);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(8, 118, 57, 17);

  Edit1 = new QLineEdit(Panel2);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(64, 116, 57, Edit1->sizeHint().height());
  Edit1->setMaxLength(8);
  Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
  Edit1->setToolTip(QString::fromUtf8(text::kSpacingHint));
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

  LabelC = MakeLabel(Panel2, "LabelC", "", 8, 320);
  LabelC->setToolTip(QString::fromUtf8(text::kCounterHint));

  setTabOrder(RadioItems->button(session::kScreenMode), ComboBox1);
  setTabOrder(ComboBox1, ComboBox2);
  setTabOrder(ComboBox2, CheckBox1);
  setTabOrder(CheckBox1, Edit1);
  setTabOrder(Edit1, Button1);
  setTabOrder(Button1, Button2);
}

// The controls' handlers pass the user's changes on to the session.
void TForm1::ConnectPanel() {
  connect(RadioItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on)
      session_.ChooseMode(id);
  });
  connect(ComboBox1, &QComboBox::activated, this,
          [this](int index) { session_.ChooseColour(index); });
  connect(ComboBox2, &QComboBox::activated, this,
          [this](int index) { session_.ChooseLineType(index); });
  connect(CheckBox1, &QCheckBox::toggled, this,
          [this](bool on) { session_.SetGridOn(on); });
  connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &t) {
    session_.SpacingEdited(t.toStdString());
  });
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (session_.Commit())
      close();
  });
  connect(Button2, &QPushButton::clicked, this, [this] { close(); });
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

// Start-up: the session reads the files, the window takes its saved place
// and shows the panel, and the session fits the view to the area.
void TForm1::FormShow() {
  const session::StartState start = session_.Load();
  RestoreGeometry(start.window);
  FillLists();
  ShowPanel(start.panel);
  session_.Begin();
}

void TForm1::RestoreGeometry(const session::WindowRect &saved) {
  QList<QRect> screens;
  for (const QScreen *s : QGuiApplication::screens())
    screens << s->availableGeometry();
  const QRect r = KeepOnScreens(
      SavedRect(saved.left, saved.top, saved.width, saved.height), screens);
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

// The panel as the session has it, without reporting it back.
void TForm1::ShowPanel(const session::PanelState &panel) {
  const QSignalBlocker items(RadioItems), colours(ComboBox1), types(ComboBox2),
      grid(CheckBox1), spacing(Edit1);
  RadioItems->button(panel.mode)->setChecked(true);
  ComboBox1->setCurrentIndex(panel.colour_item);
  ComboBox2->setCurrentIndex(panel.line_type_item);
  Edit1->setText(QString::fromStdString(panel.spacing_text));
  CheckBox1->setChecked(panel.grid_on);
  LabelU->setText(QString::fromUtf8(panel.sheet_units ? text::kSheetUnit
                                                      : text::kRealUnit));
  LabelU->adjustSize();
}

void TForm1::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  LayOutControls();
  session_.AreaResized();
}

// The size saved is never larger than the screen the window is on, so a
// size that once got too large does not come back at every start.
void TForm1::closeEvent(QCloseEvent *event) {
  if (started_) {
    const QSize size = screen()
                           ? this->size().boundedTo(screen()->availableSize())
                           : this->size();
    session_.Close({x(), y(), size.width(), size.height()});
  }
  event->accept();
}

void TForm1::ChooseMode(int item) {
  if (QAbstractButton *b = RadioItems->button(item))
    b->click();
}
void TForm1::ChooseColour(int item) {
  ComboBox1->setCurrentIndex(item);
  session_.ChooseColour(ComboBox1->currentIndex());
}
void TForm1::ChooseLineType(int item) {
  ComboBox2->setCurrentIndex(item);
  session_.ChooseLineType(ComboBox2->currentIndex());
}
void TForm1::SetGridChecked(bool on) { CheckBox1->setChecked(on); }
void TForm1::SetSpacingText(const QString &t) { Edit1->setText(t); }
void TForm1::PressOk() { Button1->click(); }
void TForm1::PressCancel() { Button2->click(); }

} // namespace orvik::app

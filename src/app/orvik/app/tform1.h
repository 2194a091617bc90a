#pragma once
// The main window: the drawing area on the left, the panel on the right,
// the status line at the bottom. Its handlers drive the whole program:
// start-up when it is first shown, navigation and the drawing modes while
// it is open, and shut-down when it closes (OK, Cancel or the close box),
// which saves the settings and hands the exchange file back to the host.
//
// Everything runs on the user-interface thread. Long work (a redraw, the
// writer) handles no events; it asks SystemServices whether Esc is held.
//
// The window owns the drawing model, the writer's output buffer, the view,
// the pen table and the two pictures. Its state fields are public so that
// tests and the replay tool can read them; only the handlers change them.

#include "orvik/app/paint_box.h"
#include "orvik/app/program_files.h"
#include "orvik/app/system_services.h"

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/arc_shape.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/drawing_info.h"
#include "orvik/render/extents.h"
#include "orvik/render/text_substitutions.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;

namespace orvik::app {

// ButtonFlags bits: the buttons and modifiers seen during the current press.
enum ButtonBit : std::int32_t {
  kLeftButton = 1,
  kRightButton = 2,
  kMiddleButton = 4,
  kDoubleClick = 8,
  kShiftKey = 16,
  kAltKey = 32,
  kCtrlKey = 64,
};

// The mode group's items.
enum Mode : int {
  kScreenMode = 0, // navigation
  kGridOriginMode = 1,
  kLineMode = 2,
  kArcMode = 3,
};

class TForm1 final : public QWidget, private PaintBoxEvents {
public:
  // FormCreate: the controls, the pen table and cleared state. Nothing is
  // read until the window is first shown. `services` must outlive the
  // window.
  TForm1(ProgramFiles files, SystemServices &services,
         QWidget *parent = nullptr);
  ~TForm1() override;

  // The drawing area keeps this size whatever the window's size (the
  // replay tool's fixed area). Call before the window is shown.
  void FixDrawingArea(QSize size);

  // Navigation (each starts with SaveView and ends with Redraw).
  void FitAll();
  void ZoomAt(int screen_x, int screen_y, double factor);
  void ZoomToBox(double x1, double y1, double x2, double y2);
  void ZoomOutAbout(double x1, double y1, double x2, double y2);
  void CentreOn(double x, double y);
  // Full render of the drawing area into ViewImage; nothing before start-up
  // has finished. Returns false when Esc stopped it.
  bool Redraw();

  // The panel as a user works it; each runs the control's handler.
  void ChooseMode(int item);
  void ChooseColour(int item);
  void ChooseLineType(int item);
  void SetGridChecked(bool on);
  void SetSpacingText(const QString &text);
  void PressOk();
  void PressCancel();

  // Handlers of the window's keys: true when the key was one of the
  // window's (then the focused control never sees it).
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // One wheel notch at a screen position; `down` towards the user.
  void FormMouseWheel(bool down, QPoint screen_position);

  // The status and counter texts as shown.
  QString StatusText() const;
  QString CounterText() const;
  QString SpacingText() const;
  bool GridChecked() const;
  int ColourItem() const;
  int LineTypeItem() const;
  int ModeItem() const;
  PaintBox &DrawingArea() { return *PaintBox1; }

  const exchange::DrawingModel &Model() const { return model_; }
  const geometry::ViewState &View() const { return view_; }
  const ProgramFiles &Files() const { return files_; }

  // State, in the window's own names.
  std::int32_t SavedLeft = 0, SavedTop = 0, SavedWidth = 0, SavedHeight = 0;
  bool Shown = false;
  double ZoomFactor = 2.0;
  std::int32_t ButtonFlags = 0;
  std::int32_t PressX = 0, PressY = 0;
  bool ZoomBoxShown = false;
  QRect ZoomBox; // press corner and current corner, as given
  bool DragBoxShown = false;
  QRect DragBox;
  QImage ViewImage; // null: none
  QImage PanImage;
  bool PanImageValid = false;
  std::int32_t ColourIndex = 0, LineTypeIndex = 0;
  std::int32_t GridOn = 0;
  double GridSpacing = 10.0;
  double GridOriginX = 0.0, GridOriginY = 0.0;
  std::int32_t LoadedElementCount = 0;
  std::int32_t NewLineCount = 0, NewPointCount = 0, NewArcCount = 0;
  bool ArcStage = false;
  geometry::Point2 ArcStart, ArcThrough;
  render::DrawingExtents DrawingExtents{-100, -100, 100, 100};

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // Start-up and shut-down.
  void BuildControls();
  void BuildPanel();
  void FormShow();
  void FormClose();
  void FormResize();
  void LayOutControls();
  void RestoreGeometry();
  void FillLists();
  void BuildSnapIndexLater();

  // Panel handlers.
  void RadioGroup1Click(int item);
  void CheckBox1Click(bool checked);
  void Edit1Change(const QString &text);
  void ComboBox1Change(int index);
  void ComboBox2Change(int index);
  void Button1Click();
  void Button2Click();

  // Drawing area.
  void PaintBox1Paint() override;
  void PaintBox1MouseDown(QMouseEvent &event, bool double_click) override;
  void PaintBox1MouseMove(QMouseEvent &event) override;
  void PaintBox1MouseUp(QMouseEvent &event) override;
  void PaintBox1Wheel(QWheelEvent &event) override;
  void RubberBox(bool &shown, QRect &box, QPoint corner);
  void XorBox(const QRect &box);
  void Gesture(double sx, double sy, double ex, double ey);
  void PanTo(QPoint mouse);
  void ShiftView(double dx, double dy);
  bool ScaleAllowed(double scale) const;
  void ShowStatus(const QString &text);

  // The drawing modes.
  geometry::Point2 PickPoint(geometry::Point2 p);
  geometry::Point2 GridNode(geometry::Point2 p) const;
  double ViewSpacing() const;
  geometry::Point2 ToModel(geometry::Point2 p) const;
  void PenTrace(QPoint at);
  void DrawingRelease(QPoint release);
  void SetGridOrigin(geometry::Point2 p);
  void DrawLine(geometry::Point2 p, geometry::Point2 r);
  void DrawArcStroke(geometry::Point2 p, geometry::Point2 r);
  void FinishArc(geometry::Point2 end);
  void DeleteNewest();
  void UpdateCounter();
  void ShiftNewElements(double dx, double dy);

  ProgramFiles files_;
  SystemServices &services_;
  std::optional<QSize> fixed_area_;
  bool started_ = false;
  bool closed_ = false;
  // An Esc that stopped a redraw is not also a request to delete the newest
  // element: its queued key presses are ignored until it is released.
  bool swallow_escape_ = false;
  int wheel_remainder_ = 0;

  exchange::DrawingModel model_;
  exchange::OutputBuffer output_;
  std::unique_ptr<attributes::TgraAttribute> pens_;
  geometry::ViewState view_;
  render::DrawingInfo info_;
  render::SystemClock clock_;
  render::SpecialCodes codes_{info_, clock_};
  exchange::SnapIndex snap_index_;
  bool snap_index_requested_ = false;

  QLabel *LabelA1 = nullptr;
  PaintBox *PaintBox1 = nullptr;
  QWidget *Panel2 = nullptr;
  QGroupBox *RadioGroup1 = nullptr;
  QButtonGroup *RadioItems = nullptr;
  QLabel *Label1 = nullptr;
  QComboBox *ComboBox1 = nullptr;
  QLabel *Label2 = nullptr;
  QComboBox *ComboBox2 = nullptr;
  QCheckBox *CheckBox1 = nullptr;
  QLineEdit *Edit1 = nullptr;
  QLabel *LabelU = nullptr;
  QPlainTextEdit *Memo1 = nullptr;
  QPushButton *Button1 = nullptr;
  QPushButton *Button2 = nullptr;
  QLabel *LabelC = nullptr;
};

} // namespace orvik::app

#pragma once
// The main window: the drawing area on the left, the panel on the right,
// the status line at the bottom. It builds the controls, turns Qt's events
// into calls of the editing session, and shows what the session reports;
// the editing itself (navigation, the drawing modes, Esc, OK, start-up and
// shut-down) is EditSession's.
//
// Everything runs on the user-interface thread. Long work (a redraw, the
// writer) handles no events; it asks SystemServices whether Esc is held.

#include "orvik/app/paint_box.h"

#include "orvik/session/edit_session.h"

#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvik::app {

class TForm1 final : public QWidget,
                     private PaintBoxEvents,
                     private session::SessionEvents {
public:
  // FormCreate: the controls and a session that has read nothing yet; the
  // files are read when the window is first shown. `services` must outlive
  // the window.
  TForm1(session::ProgramFiles files, session::SystemServices &services,
         QWidget *parent = nullptr);
  ~TForm1() override;

  // The drawing area keeps this size whatever the window's size (the
  // replay tool's fixed area). Call before the window is shown.
  void FixDrawingArea(QSize size);

  // The panel as a user works it; each goes through the control.
  void ChooseMode(int item);
  void ChooseColour(int item);
  void ChooseLineType(int item);
  void SetGridChecked(bool on);
  void SetSpacingText(const QString &text);
  void PressOk();
  void PressCancel();

  // Who hears that the drawing could not be handed back: by default a
  // message box the user must acknowledge; the replay tool and tests pass
  // their own.
  using FailureReporter = std::function<void(const session::HandBackFailure &)>;
  void SetFailureReporter(FailureReporter reporter) {
    report_failure_ = std::move(reporter);
  }

  const session::EditSession &Session() const { return session_; }
  PaintBox &DrawingArea() { return *PaintBox1; }
  // The last render; null until the first paint has rendered.
  const QImage &ViewImage() const { return surface_.ViewImage(); }

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildControls();
  void BuildPanel();
  void ConnectPanel();
  void LayOutControls();
  void FormShow();
  void RestoreGeometry(const session::WindowRect &saved);
  void FillLists();
  void ShowPanel(const session::PanelState &panel);
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

  // PaintBoxEvents: the drawing area's events, in its pixels.
  void PaintBox1Paint() override;
  void PaintBox1MouseDown(QMouseEvent &event, bool double_click) override;
  void PaintBox1MouseMove(QMouseEvent &event) override;
  void PaintBox1MouseUp(QMouseEvent &event) override;
  void AreaWheelTurned(QWheelEvent &event) override;
  void AreaLeft() override;
  void AreaTabletEvent(QTabletEvent &event) override;
  void AreaTouchEvent(QTouchEvent &event) override;

  // SessionEvents.
  void ShowStatus(std::string_view utf8) override;
  void ShowCounter(std::string_view utf8) override;
  void ShowGridSwitch(bool on) override;
  void IdleWorkPending() override;
  void ShowProgress(std::string_view sjis_text) override;
  void HandBackFailed(const session::HandBackFailure &failure) override;

  std::optional<QSize> fixed_area_;
  FailureReporter report_failure_;
  bool started_ = false;

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

  // After the controls: the surface needs the paint box.
  PaintBoxSurface surface_;
  session::EditSession session_;
};

} // namespace orvik::app

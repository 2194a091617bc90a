#pragma once
// The editing core of the window, without the window: the facade the form
// talks to over the AreaPicture, the Navigator, the PenTool and the
// HandBack, which share a SessionContext. It takes plain input (pointer
// events in drawing-area pixels, keys, wheel turns, panel changes), draws
// onto a DrawingSurface, and reports through SessionEvents and
// SystemServices.
//
// Everything happens on the caller's thread. Long work (a redraw, the
// writer) handles no events; it asks SystemServices whether Esc is held.
//
// Life: constructed -> Load (files read; the window then places itself)
// -> Begin (open: input is handled, redraws paint) -> Close (settings
// saved, the exchange file handed back). Input before Begin or after Close
// changes nothing.

#include "orvik/session/hand_back.h"
#include "orvik/session/navigator.h"
#include "orvik/session/pen_tool.h"
#include "orvik/session/program_files.h"
#include "orvik/session/window_state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::session {

class EditSession {
public:
  // `surface`, `events` and `services` must outlive the session.
  EditSession(ProgramFiles files, DrawingSurface &surface,
              SessionEvents &events, SystemServices &services);
  EditSession(const EditSession &) = delete;
  EditSession &operator=(const EditSession &) = delete;

  // Start-up, first step: reads the exchange file and the settings file.
  // The window then takes its place and size from the result and shows
  // the panel. Once only.
  StartState Load();
  // Start-up, second step, with the drawing area at its final size: the
  // status and counter texts, the view fitted to the drawing (rendered by
  // the first Paint), and the attributes of new elements.
  void Begin();
  // Shut-down, for OK, Cancel and the close box alike: saves the settings
  // with `window` and the panel, hands "hq" back unless OK has handed the
  // drawing back (reporting a failure through HandBackFailed), and
  // releases the model. Once only; nothing before Load.
  void Close(const WindowRect &window);
  bool IsOpen() const { return session::IsOpen(context_); }
  // The area needs its picture back; the area has a new size (Navigator).
  void Paint() { navigator_.Paint(); }
  void AreaResized() { navigator_.AreaResized(); }
  // The mouse, or a pen as the mouse. A move with no button held is a
  // hover, with the drawing modes' snap preview (PenTool::ShowPreview)
  // until PointerLeft.
  void PointerPressed(const PointerPress &press);
  void PointerMoved(std::int32_t x, std::int32_t y);
  void PointerReleased(std::int32_t x, std::int32_t y);
  void PointerLeft();

  // The pen, which draws as the left button does. While it touches or
  // hovers within the tablet's range (until PenLeft), touches are ignored
  // (the palm rests on the screen). A stroke of the eraser end takes back
  // the newest element, as Esc does.
  void PenPressed(std::int32_t x, std::int32_t y, PenEnd end);
  void PenMoved(std::int32_t x, std::int32_t y);
  void PenReleased(std::int32_t x, std::int32_t y);
  void PenHovered(std::int32_t x, std::int32_t y);
  void PenLeft();

  // Fingers navigate and never draw (Navigator); a tap of two fingers
  // takes back the newest element, as Esc does. Ignored while the pen is
  // in range or a button held.
  void TouchPressed(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchReleased(std::int32_t id, std::int32_t x, std::int32_t y);
  void TouchCancelled();
  void WheelTurned(int angle_delta, std::int32_t x, std::int32_t y);
  // True when the key was the session's (the focused control never sees
  // it then). EscapeReleased: the physical key went up (not a repeat).
  bool KeyPressed(Key key, bool shift);
  void EscapeReleased() { picture_.EscapeReleased(); }

  // The panel as the user works it (the spacing field: every change).
  void ChooseMode(int item);
  void ChooseColour(int index);
  void ChooseLineType(int index);
  void SetGridOn(bool on);
  void SpacingEdited(std::string_view text);
  // OK (HandBack::Commit). True when the window is to close now; false
  // when it stays open: the file could not be written, or the session is
  // not open.
  bool Commit();
  // Work put off until the window is idle (the snap index).
  void RunIdleWork();
  const exchange::DrawingModel &Model() const { return context_.model; }
  const geometry::ViewState &View() const { return context_.view; }
  const std::string &StatusText() const { return context_.status; }
  const std::string &CounterText() const { return pen_.CounterText(); }
  PanelState Panel() const;

private:
  void ShowPreview();
  void PenNear();
  void RequestSnapIndex();

  ProgramFiles files_;
  SessionContext context_;
  AreaPicture picture_{context_};
  Navigator navigator_{context_, picture_};
  PenTool pen_{context_, picture_};
  HandBack hand_back_;
  PointerState pointer_;
  PanelChoices panel_;
  bool snap_index_requested_ = false;
};

} // namespace orvik::session

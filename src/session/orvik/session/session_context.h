#pragma once
// What the parts of the editing session share: the surroundings the window
// gave it, the drawing with its view, pens and grid, the snap index, and
// the status text. EditSession owns it; each part gets it by reference.

#include "orvik/session/drawing_surface.h"
#include "orvik/session/session_events.h"
#include "orvik/session/system_services.h"

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/scene.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::session {

// Constructed -> Loaded (files read) -> Open (input handled, redraws
// paint) -> Closed.
enum class SessionStage { Created, Loaded, Open, Closed };

struct SessionContext {
  SessionContext(DrawingSurface &drawing_surface, SessionEvents &session_events,
                 SystemServices &system_services)
      : surface(drawing_surface), events(session_events),
        services(system_services) {}

  DrawingSurface &surface;
  SessionEvents &events;
  SystemServices &services;
  SessionStage stage = SessionStage::Created;

  exchange::DrawingModel model;
  exchange::OutputBuffer output;
  attributes::TgraAttribute pens;
  geometry::ViewState view;
  // The grid the scene shows and strokes snap to; its spacing in the unit
  // the panel shows.
  render::GridSettings grid;
  exchange::SnapIndex snap_index;
  // The host's elements, which come first in the order list.
  std::int32_t loaded_count = 0;
  std::string status;
};

inline bool IsOpen(const SessionContext &c) {
  return c.stage == SessionStage::Open;
}

// The status line's text, shown at once.
inline void SetStatus(SessionContext &c, std::string_view utf8) {
  c.status = utf8;
  c.events.ShowStatus(c.status);
}

} // namespace orvik::session

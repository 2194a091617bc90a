// The session's start-up, shut-down, panel, keys and OK.

#include "orvik/session/edit_session.h"

#include "orvik/session/settings_file.h"
#include "orvik/session/ui_texts.h"

#include "orvik/exchange/choice_lists.h"
#include "orvik/exchange/session.h"
#include "orvik/platform/file_access.h"
#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"

#include <algorithm>

namespace orvik::session {
namespace {

// The spacing field holds at most this many characters; a longer text put
// into it is cut there (what the field then shows is what counts).
constexpr std::size_t kSpacingFieldChars = 8;

// The list item showing `position`: none for a position outside the list.
int ItemOf(std::int32_t position, std::size_t items) {
  return position >= 0 && static_cast<std::size_t>(position) < items ? position
                                                                     : -1;
}

} // namespace

EditSession::EditSession(ProgramFiles files, DrawingSurface &surface,
                         SessionEvents &events, SystemServices &services)
    : files_(std::move(files)), context_(surface, events, services),
      hand_back_(context_, files_.exchange_path) {
  picture_.OnRepainted([this] {
    RequestSnapIndex();
    ShowPreview(); // the view or what snaps may have changed
  });
}

StartState EditSession::Load() {
  StartState start;
  if (context_.stage != SessionStage::Created)
    return start;
  context_.stage = SessionStage::Loaded;
  platform::RemoveLeftovers(files_.exchange_path);
  platform::RemoveLeftovers(files_.settings_path);
  exchange::DrawingModel &model = context_.model;
  exchange::LoadExchangeFile(model, context_.output, files_.exchange_path);

  WindowSettings settings;
  ReadSettingsFile(files_.settings_path,
                   {model.SheetCoords, model.DrawingScale()}, settings);
  start.window = {settings.SavedLeft, settings.SavedTop, settings.SavedWidth,
                  settings.SavedHeight};
  panel_.colour_index = settings.ColourIndex;
  panel_.line_type_index = settings.LineTypeIndex;
  panel_.colour_item =
      ItemOf(panel_.colour_index, exchange::ColourListItems().size());
  panel_.line_type_item =
      ItemOf(panel_.line_type_index, exchange::LineTypeListItems().size());
  context_.grid.on = settings.GridOn != 0;
  pen_.SetOneStroke(settings.OneStroke);
  context_.grid.origin_x = context_.grid.origin_y = 0;
  // The field shows the stored spacing, and what it shows is the spacing.
  std::string &text = panel_.spacing_text;
  text = FormatReal(settings.GridSpacing);
  if (text.size() > kSpacingFieldChars)
    text.resize(kSpacingFieldChars);
  context_.grid.spacing = std::max(StrToFloatZ(text), kMinGridSpacing);
  start.panel = Panel();
  return start;
}

void EditSession::Begin() {
  if (context_.stage != SessionStage::Loaded)
    return;
  SetStatus(context_, text::kModeStatus[kScreenMode]);
  pen_.Begin(panel_.colour_index, panel_.line_type_index);
  navigator_.FitAll(); // not rendered yet: the first Paint does that
  context_.stage = SessionStage::Open;
  context_.loaded_count =
      static_cast<std::int32_t>(context_.model.EntOrder.Count());
}

void EditSession::Close(const WindowRect &window) {
  if (context_.stage == SessionStage::Created ||
      context_.stage == SessionStage::Closed)
    return;
  context_.stage = SessionStage::Closed;
  context_.surface.Drop(Picture::View);
  context_.surface.Drop(Picture::Pan);
  const exchange::DrawingModel &model = context_.model;
  WriteSettingsFile(
      files_.settings_path, {model.SheetCoords, model.DrawingScale()},
      {window.left, window.top, std::max(window.width, kMinWindowWidth),
       std::max(window.height, kMinWindowHeight), panel_.colour_item,
       panel_.line_type_item, context_.grid.on ? 1 : 0, context_.grid.spacing,
       pen_.OneStroke()});
  hand_back_.Close();
  context_.snap_index.Clear();
  exchange::FreeModel(context_.model);
}

PanelState EditSession::Panel() const {
  return {pen_.Mode(),      panel_.colour_item,  panel_.line_type_item,
          context_.grid.on, panel_.spacing_text, context_.model.SheetCoords};
}

void EditSession::ChooseMode(int item) {
  if (item < 0 || item >= kModeCount)
    return;
  pen_.SetMode(item);
  SetStatus(context_, text::kModeStatus[item]);
  ShowPreview();
}

void EditSession::ChooseColour(int index) {
  panel_.colour_index = panel_.colour_item = index;
  pen_.ChooseColour(index);
  ShowPreview(); // in the new elements' colour
}

void EditSession::ChooseLineType(int index) {
  panel_.line_type_index = panel_.line_type_item = index;
  pen_.ChooseLineType(index);
}

void EditSession::SetGridOn(bool on) {
  context_.grid.on = on;
  picture_.Redraw();
}

// Typing a spacing switches the grid off; the user switches it on again
// afterwards. A new spacing only affects points picked afterwards.
void EditSession::SpacingEdited(std::string_view text) {
  panel_.spacing_text = text;
  if (context_.grid.on) {
    context_.events.ShowGridSwitch(false);
    SetGridOn(false);
  }
  context_.grid.spacing = std::max(StrToFloatZ(text), kMinGridSpacing);
}

bool EditSession::KeyPressed(Key key, bool shift) {
  if (!IsOpen())
    return false;
  if (key != Key::Esc)
    navigator_.KeyPressed(key, shift);
  else if (!picture_.EscapeSwallowed())
    pen_.DeleteNewest();
  return true;
}

bool EditSession::Commit() {
  return IsOpen() && hand_back_.Commit(pen_.Counts());
}

// Snapping works without the index (the plain search gives the same
// answers), so building it waits until the first picture is on screen. It
// takes in the host's elements only: the user's are appended and taken back
// at the end of the lists, where the index searches plainly.
void EditSession::RequestSnapIndex() {
  if (snap_index_requested_)
    return;
  snap_index_requested_ = true;
  context_.events.IdleWorkPending();
}

void EditSession::RunIdleWork() {
  if (IsOpen() && snap_index_requested_ &&
      context_.model.EntOrder.Count() ==
          static_cast<std::size_t>(context_.loaded_count))
    context_.snap_index.Build(context_.model);
}

} // namespace orvik::session

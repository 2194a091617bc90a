// The session's start-up, shut-down, panel and texts.

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
    : files_(std::move(files)), surface_(surface), events_(events),
      services_(services) {}

StartState EditSession::Load() {
  StartState start;
  if (state_ != State::Created)
    return start;
  state_ = State::Loaded;
  platform::RemoveLeftovers(files_.exchange_path);
  platform::RemoveLeftovers(files_.settings_path);
  exchange::LoadExchangeFile(model_, output_, files_.exchange_path);

  WindowSettings settings;
  ReadSettingsFile(files_.settings_path,
                   {model_.SheetCoords, model_.DrawingScale()}, settings);
  start.window = {settings.SavedLeft, settings.SavedTop, settings.SavedWidth,
                  settings.SavedHeight};
  colour_index_ = settings.ColourIndex;
  line_type_index_ = settings.LineTypeIndex;
  colour_item_ = ItemOf(colour_index_, exchange::ColourListItems().size());
  line_type_item_ =
      ItemOf(line_type_index_, exchange::LineTypeListItems().size());
  grid_on_ = settings.GridOn != 0;
  one_stroke_ = settings.OneStroke;
  grid_origin_ = {0, 0};
  // The field shows the stored spacing, and what it shows is the spacing.
  spacing_text_ = FormatReal(settings.GridSpacing);
  if (spacing_text_.size() > kSpacingFieldChars)
    spacing_text_.resize(kSpacingFieldChars);
  grid_spacing_ = std::max(StrToFloatZ(spacing_text_), kMinGridSpacing);
  start.panel = Panel();
  return start;
}

void EditSession::Begin() {
  if (state_ != State::Loaded)
    return;
  SetStatus(text::kModeStatus[kScreenMode]);
  counter_ =
      std::string(text::kCounterLines) + "0" + text::kCounterPoints + "0";
  events_.ShowCounter(counter_);
  FitAll(); // not rendered yet: the first Paint does that
  state_ = State::Open;
  loaded_count_ = static_cast<std::int32_t>(model_.EntOrder.Count());
  pen_attributes_ =
      exchange::PrepareNewElements(model_, colour_index_, line_type_index_);
}

void EditSession::Close(const WindowRect &window) {
  if (state_ == State::Created || state_ == State::Closed)
    return;
  state_ = State::Closed;
  surface_.Drop(Picture::View);
  surface_.Drop(Picture::Pan);
  WriteSettingsFile(
      files_.settings_path, {model_.SheetCoords, model_.DrawingScale()},
      {window.left, window.top, std::max(window.width, kMinWindowWidth),
       std::max(window.height, kMinWindowHeight), colour_item_, line_type_item_,
       grid_on_ ? 1 : 0, grid_spacing_, one_stroke_});
  std::error_code error;
  if (!handed_back_ &&
      !exchange::FlushExchangeFile(output_, files_.exchange_path, &error))
    events_.HandBackFailed({files_.exchange_path, error, false});
  snap_index_.Clear();
  exchange::FreeModel(model_);
}

PanelState EditSession::Panel() const {
  return {mode_,    colour_item_,  line_type_item_,
          grid_on_, spacing_text_, model_.SheetCoords};
}

void EditSession::ChooseMode(int item) {
  if (item < 0 || item >= kModeCount)
    return;
  mode_ = item;
  SetStatus(text::kModeStatus[item]);
  // A change of mode drops a half-built arc, so the arc mode's first
  // stroke is always what its status text asks for: the start point.
  arc_stage_ = false;
  ShowPreview();
}

void EditSession::ChooseColour(int index) {
  colour_index_ = colour_item_ = index;
  exchange::SelectColour(pen_attributes_, model_, index, 1);
  exchange::SelectPointColour(pen_attributes_, model_, index, 1);
  ShowPreview(); // in the new elements' colour
}

void EditSession::ChooseLineType(int index) {
  line_type_index_ = line_type_item_ = index;
  exchange::SelectLineType(pen_attributes_, model_, index, 1);
}

void EditSession::SetGridOn(bool on) {
  grid_on_ = on;
  Redraw();
}

// Typing a spacing switches the grid off; the user switches it on again
// afterwards. A new spacing only affects points picked afterwards.
void EditSession::SpacingEdited(std::string_view text) {
  spacing_text_ = text;
  if (grid_on_) {
    events_.ShowGridSwitch(false);
    SetGridOn(false);
  }
  grid_spacing_ = std::max(StrToFloatZ(text), kMinGridSpacing);
}

// Snapping works without the index (the plain search gives the same
// answers), so building it waits until the first picture is on screen. It
// takes in the host's elements only: the user's are appended and taken back
// at the end of the lists, where the index searches plainly.
void EditSession::RequestSnapIndex() {
  if (snap_index_requested_)
    return;
  snap_index_requested_ = true;
  events_.IdleWorkPending();
}

void EditSession::RunIdleWork() {
  if (state_ == State::Open && snap_index_requested_ &&
      model_.EntOrder.Count() == static_cast<std::size_t>(loaded_count_))
    snap_index_.Build(model_);
}

void EditSession::SetStatus(std::string_view utf8) {
  status_ = utf8;
  events_.ShowStatus(status_);
}

void EditSession::UpdateCounter() {
  counter_ = std::string(text::kCounterLines) + std::to_string(new_lines_) +
             text::kCounterPoints + std::to_string(new_points_) +
             text::kCounterArcs + std::to_string(new_arcs_ + new_circles_);
  events_.ShowCounter(counter_);
}

} // namespace orvik::session

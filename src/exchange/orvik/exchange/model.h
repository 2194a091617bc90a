#pragma once
// The drawing model: the host's drawing as read from the exchange file plus
// the elements the user adds. One list per element kind, the arrival order
// of all elements, the header values of the file, and the attribute state:
// the first values the file set, and the reader's current values. The
// reader's other running state is the reader's, the writer keeps its own
// record of what it wrote, and the attributes of the user's new elements
// are a PenAttributes value that the caller owns and hands to each AddX.
//
// Ownership: the window (or the headless tool) owns one DrawingModel for the
// whole run and passes it to the code that reads or changes it.

#include "orvik/exchange/arrival_order.h"
#include "orvik/exchange/elements.h"
#include "orvik/exchange/growable_list.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace orvik::exchange {

class OutputBuffer;

// Width, height and spacing in millimetres; Colour a pen number.
struct TJwwTextKind {
  double Width = 3.0, Height = 3.0, Spacing = 0.0;
  std::int32_t Colour = 2;
};

struct TJwwHpPoint {
  bool Valid = false;
  double X = 0, Y = 0;
  std::int32_t PickKind = 0; // 0 none, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

// One flag per attribute. While reading: the attribute has not been met yet.
// While writing: the next value must be written even if unchanged.
struct PendingFlags {
  bool Group = true, Layer = true, Colour = true, LineType = true;
  bool LineWidth = true, TextKind = true, Cc = true, Font = true;
  bool PointColour = true, SolidColour = true;
};

// The current values: the reader's running state while it reads (and what
// it left once it has read), the values last written in the writer's own
// copy. The first values: the first of each that the file set.
struct AttributeState {
  std::int32_t CurGroup = 0, CurLayer = 0, CurColour = 1, CurLineType = 1;
  std::int32_t CurLineWidth = 0, CurTextKind = 1;
  TJwwTextKind CurTextCustom{2.0, 2.0, 0.0, 1};
  std::string CurFont; // set to the default font by InitModel
  std::int32_t CurTextCc = 0, CurPointColour = 1, CurSolidRgb = 0;
  std::int32_t CurZFlags = 0, CurPickNo = 0;

  std::int32_t FirstGroup = 0, FirstLayer = 0, FirstColour = 1;
  std::int32_t FirstLineType = 1, FirstLineWidth = 0, FirstTextKind = 1;
  TJwwTextKind FirstTextCustom{2.0, 2.0, 0.0, 1};
  std::string FirstFont; // empty until the file names a font

  PendingFlags Pending;
};

// What the user's new elements are stamped with: their header, and the
// colour a point carries in place of the line colour.
struct PenAttributes {
  std::int32_t Group = 0, Layer = 0, Colour = 1, LineType = 1;
  std::int32_t LineWidth = 0, PointColour = 1, ZFlags = 0, PickNo = 0;
};

// The layer group and layer new elements go to.
void SetCurrentGroup(PenAttributes &pen, std::int32_t group);
void SetCurrentLayer(PenAttributes &pen, std::int32_t layer);

struct DrawingModel {
private:
  // The lists' storage; declared first, as the lists hold blocks of it.
  // Held by pointer, so a model moved elsewhere keeps its lists valid.
  std::unique_ptr<BlockArena> storage_ = std::make_unique<BlockArena>();
  friend void FreeModel(DrawingModel &model);

public:
  GrowableList<TJwwEntLine> Lines{*storage_};
  GrowableList<TJwwEntCircle> Circles{*storage_};
  GrowableList<TJwwEntArc> Arcs{*storage_};
  GrowableList<TJwwEntText> Texts{*storage_};
  GrowableList<TJwwEntPoint> Points{*storage_};
  GrowableList<TJwwEntPointEx> PointsEx{*storage_};
  GrowableList<TJwwEntDim> Dims{*storage_};
  GrowableList<TJwwEntBlk> Blocks{*storage_};
  GrowableList<TJwwEntSolid2> Solids2{*storage_};
  GrowableList<TJwwEntSolid3> Solids3{*storage_};
  GrowableList<TJwwEntSolid4> Solids4{*storage_};
  GrowableList<TJwwEntSolidSc> SolidsSc{*storage_};
  GrowableList<TJwwEntSolidSe> SolidsSe{*storage_};
  GrowableList<TJwwEntSolidSo> SolidsSo{*storage_};
  GrowableList<TJwwEntSolidSg> SolidsSg{*storage_};
  ArrivalOrder EntOrder{*storage_};
  // The bytes of the text records' fonts and texts.
  TextPool Pool{*storage_};

  // Header values from the file.
  std::array<double, 16> GroupScale{};
  std::array<TJwwTextKind, 10> TextKinds{};
  bool SheetCoords = false;
  std::array<TJwwHpPoint, 100> HpPoints{}; // entries 1..99 used

  AttributeState Attr;

  // The file carried line widths ("lw"): the writer writes them only then.
  bool LineWidthSeen = false;

  DrawingModel();

  void AppendOrder(EntKind kind);
  // Stamps the reader's current attributes.
  void StampAttributes(TJwwEntAttr &attr) const;

  // The user's elements, stamped with `pen`. AddLine adds nothing for a
  // line shorter than 1e-8 in both axes; AddArc and AddCircle nothing for
  // a radius <= 1e-8 (or not finite), and AddArc stores a flatness of
  // |f| <= 1e-8 as 1.
  void AddLine(const PenAttributes &pen, double x1, double y1, double x2,
               double y2);
  void AddPoint(const PenAttributes &pen, double x, double y);
  void AddCircle(const PenAttributes &pen, double x, double y, double radius);
  void AddArc(const PenAttributes &pen, double x, double y, double radius,
              double start_angle, double end_angle, double flatness,
              double tilt);

  // Takes back the newest element: lowers the order count and the count of
  // its kind's list. The window only calls it for the user's own elements.
  void RemoveLastElement();

  // Appends a record of `kind` to `list` with its order entry and stamped
  // header; the caller fills the kind's own fields.
  template <class T> T &AppendElement(GrowableList<T> &list, EntKind kind) {
    AppendOrder(kind);
    T &record = list.Append();
    StampAttributes(record.Attr);
    return record;
  }

  // The divisor from model coordinates to paper millimetres for elements of
  // `group`: 1 under sheet coordinates, else the group's scale. A scale of
  // 0 (what the reader makes of a missing or malformed one), a non-finite
  // one or one too small to divide by counts as 1, the scale of a group the
  // file did not set, so that no such value turns the drawing into
  // infinities. A group outside 0..15 also counts as 1.
  double ScaleOfGroup(std::int32_t group) const;
  // The drawing scale: that of the file's first layer group.
  double DrawingScale() const { return ScaleOfGroup(Attr.FirstGroup); }

  // Total number of elements of all kinds.
  std::size_t ElementCount() const { return EntOrder.Count(); }
};

// Calls fn with the list of `kind`; returns false (without calling) for a
// number outside 1..15.
template <class Fn> bool VisitList(DrawingModel &m, EntKind kind, Fn &&fn) {
  switch (kind) {
  case EntKind::Line:
    fn(m.Lines);
    return true;
  case EntKind::Circle:
    fn(m.Circles);
    return true;
  case EntKind::Arc:
    fn(m.Arcs);
    return true;
  case EntKind::Text:
    fn(m.Texts);
    return true;
  case EntKind::Point:
    fn(m.Points);
    return true;
  case EntKind::PointEx:
    fn(m.PointsEx);
    return true;
  case EntKind::Dim:
    fn(m.Dims);
    return true;
  case EntKind::Block:
    fn(m.Blocks);
    return true;
  case EntKind::Solid2:
    fn(m.Solids2);
    return true;
  case EntKind::Solid3:
    fn(m.Solids3);
    return true;
  case EntKind::Solid4:
    fn(m.Solids4);
    return true;
  case EntKind::SolidSc:
    fn(m.SolidsSc);
    return true;
  case EntKind::SolidSe:
    fn(m.SolidsSe);
    return true;
  case EntKind::SolidSo:
    fn(m.SolidsSo);
    return true;
  case EntKind::SolidSg:
    fn(m.SolidsSg);
    return true;
  }
  return false;
}

// The same for a model that is only read: `fn` gets the list as const.
template <class Fn>
bool VisitList(const DrawingModel &m, EntKind kind, Fn &&fn) {
  return VisitList(const_cast<DrawingModel &>(m), kind,
                   [&fn](const auto &list) { fn(list); });
}

// Every value to its default, all Pending flags set, every list empty with
// its storage released, the output buffer emptied.
void InitModel(DrawingModel &model, OutputBuffer &output);

// Releases the storage of every list.
void FreeModel(DrawingModel &model);

} // namespace orvik::exchange

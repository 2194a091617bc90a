#include "orvik/exchange/snap_index.h"

#include "snap_footprint.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <span>
#include <utility>

namespace orvik::exchange {
namespace {

using namespace snap_detail;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kEnd = static_cast<std::size_t>(-1);
// Cells a record may meet before it is tested always, cells a kind may
// have, and records a list may hold to be indexed (positions are stored as
// 32-bit numbers).
constexpr std::size_t kMaxCellsPerRecord = 256;
constexpr std::size_t kMaxCells = std::size_t{1} << 22;
constexpr std::size_t kMaxRecords = std::size_t{1} << 31;

// ---- the grid ----

// Monotone in v, so a box and a window that overlap share a cell.
std::int32_t CellOf(double v, double origin, double inv, std::int32_t n) {
  const double c = (v - origin) * inv;
  if (!(c >= 1))
    return 0;
  if (c >= n - 1)
    return n - 1;
  return static_cast<std::int32_t>(c);
}

struct CellRange {
  std::int32_t x0, y0, x1, y1;
  std::size_t Count() const {
    return static_cast<std::size_t>(x1 - x0 + 1) *
           static_cast<std::size_t>(y1 - y0 + 1);
  }
};

CellRange CellsOf(const SnapKindIndex &k, const Box &b) {
  return {CellOf(b.x0, k.origin_x, k.inv_x, k.nx),
          CellOf(b.y0, k.origin_y, k.inv_y, k.ny),
          CellOf(b.x1, k.origin_x, k.inv_x, k.nx),
          CellOf(b.y1, k.origin_y, k.inv_y, k.ny)};
}

std::size_t CellNumber(const SnapKindIndex &k, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(k.nx) +
         static_cast<std::size_t>(x);
}

// Boxes of records spread evenly over a list, to lay the grid out by.
struct Sample {
  std::vector<double> xs, ys, sizes; // box centres and sizes
  std::size_t records = 0;
};

template <class T, class Trace>
Sample SampleKind(const GrowableList<T> &list, Trace &trace) {
  constexpr std::size_t kSampleSize = 4096;
  Sample sv;
  const std::size_t stride =
      std::max<std::size_t>(1, list.Count() / kSampleSize);
  for (std::size_t i = 0; i < list.Count(); i += stride) {
    Footprint f;
    trace(list[i], f);
    ++sv.records;
    if (!f.Settle())
      continue;
    for (const Box &b : f.Boxes()) {
      sv.xs.push_back(b.x0 / 2 + b.x1 / 2);
      sv.ys.push_back(b.y0 / 2 + b.y1 / 2);
      sv.sizes.push_back(std::max(b.x1 - b.x0, b.y1 - b.y0));
    }
  }
  return sv;
}

// The middle 99% of the sampled values widened by its own width each way,
// within the sample's range:
// far outliers fall into the border cells instead of stretching the grid.
std::pair<double, double> CoreSpan(std::vector<double> &v) {
  const std::size_t a = v.size() / 200, b = v.size() - 1 - a;
  std::nth_element(v.begin(), v.begin() + a, v.end());
  const double qa = v[a];
  std::nth_element(v.begin(), v.begin() + b, v.end());
  const double qb = v[b];
  const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
  return {std::max(*lo, qa - (qb - qa)), std::min(*hi, qb + (qb - qa))};
}

// Cells of size `side` along one axis (one when that is not a sensible
// number), and the factor to them.
void LayAxis(double lo, double hi, double side, std::int32_t &n, double &inv,
             double &origin) {
  const double cells = std::min(std::ceil((hi - lo) / side), double{kMaxCells});
  const double factor = cells / (hi - lo);
  const bool many = cells >= 2 && factor > 0 && std::isfinite(factor);
  origin = lo;
  n = many ? static_cast<std::int32_t>(cells) : 1;
  inv = many ? factor : 0;
}

// About two boxes per cell, and cells no smaller than a typical box, so
// that most records meet few cells; at most 3 * cells + 1 cells. Where the
// cells lie only decides speed: every coordinate falls in some cell.
void LayOut(SnapKindIndex &k, Sample &sv, std::size_t records) {
  k.nx = k.ny = 1;
  if (sv.xs.empty())
    return;
  const auto [x0, x1] = CoreSpan(sv.xs);
  const auto [y0, y1] = CoreSpan(sv.ys);
  const double w = x1 - x0, h = y1 - y0;
  const double boxes = static_cast<double>(records) *
                       static_cast<double>(sv.sizes.size()) /
                       static_cast<double>(sv.records);
  const double cells = std::clamp(boxes / 2, 1.0, double{kMaxCells});
  auto mid =
      sv.sizes.begin() + static_cast<std::ptrdiff_t>(sv.sizes.size() / 2);
  std::nth_element(sv.sizes.begin(), mid, sv.sizes.end());
  // Square cells, but no more along one side than in all.
  const double side = std::max(
      {std::sqrt(w / cells) * std::sqrt(h), std::max(w, h) / cells, *mid});
  LayAxis(x0, x1, side, k.nx, k.inv_x, k.origin_x);
  LayAxis(y0, y1, side, k.ny, k.inv_y, k.origin_y);
}

// Calls file(cell) once for each cell the record's boxes meet; false,
// calling nothing, when that is too many cells.
template <class File>
bool ForEachCell(const SnapKindIndex &k, const Footprint &f, File &&file) {
  const std::span<const Box> boxes = f.Boxes();
  std::array<CellRange, 4> all;
  const std::span<CellRange> ranges(all.data(), boxes.size());
  std::size_t total = 0;
  std::transform(boxes.begin(), boxes.end(), ranges.begin(),
                 [&k, &total](const Box &b) {
                   const CellRange r = CellsOf(k, b);
                   total += r.Count();
                   return r;
                 });
  if (total > kMaxCellsPerRecord)
    return false;
  for (std::size_t j = 0; j < ranges.size(); ++j) {
    const CellRange &r = ranges[j];
    const auto earlier = ranges.first(j);
    const auto seen = [earlier](std::int32_t x, std::int32_t y) {
      return std::any_of(
          earlier.begin(), earlier.end(), [x, y](const CellRange &o) {
            return o.x0 <= x && x <= o.x1 && o.y0 <= y && y <= o.y1;
          });
    };
    for (std::int32_t y = r.y0; y <= r.y1; ++y)
      for (std::int32_t x = r.x0; x <= r.x1; ++x)
        if (!seen(x, y))
          file(static_cast<std::uint32_t>(CellNumber(k, x, y)));
  }
  return true;
}

void Extend(SnapKindIndex &k, const Footprint &f) {
  for (const Box &b : f.Boxes()) {
    k.min_x = std::min(k.min_x, b.x0);
    k.min_y = std::min(k.min_y, b.y0);
    k.max_x = std::max(k.max_x, b.x1);
    k.max_y = std::max(k.max_y, b.y1);
  }
  k.growth = std::max(k.growth, f.growth);
}

// The cells of the filed records in list order, the first cell of each
// record marked; the records tested always have none.
constexpr std::uint32_t kFirstOfRecord = std::uint32_t{1} << 31;

// A counting sort by cell: positions come out ascending within each cell.
void SortIntoCells(SnapKindIndex &k, const std::vector<std::uint32_t> &cells) {
  const std::size_t count = CellNumber(k, 0, k.ny);
  std::vector<std::uint32_t> &start = k.cell_start;
  start.assign(count + 1, 0);
  for (const std::uint32_t c : cells)
    ++start[(c & ~kFirstOfRecord) + 1];
  for (std::size_t c = 0; c < count; ++c)
    start[c + 1] += start[c];
  k.filed.resize(cells.size());
  // Filling advances each cell's start to the next cell's; shifted back
  // after.
  std::uint32_t record = 0, next = 0;
  std::size_t always = 0;
  for (const std::uint32_t c : cells) {
    if (c & kFirstOfRecord) {
      for (record = next;
           always < k.always.size() && k.always[always] == record; ++always)
        ++record;
      next = record + 1;
    }
    k.filed[start[c & ~kFirstOfRecord]++] = record;
  }
  std::copy_backward(start.begin(), start.end() - 1, start.end());
  start[0] = 0;
}

template <class T, class Trace>
void FileKind(SnapKindIndex &k, const GrowableList<T> &list, Trace &&trace) {
  k = SnapKindIndex{};
  const std::size_t n = list.Count();
  if (n == 0 || n >= kMaxRecords)
    return; // too long: indexes nothing, so the list is searched plainly
  k.indexed = n;
  Sample sv = SampleKind(list, trace);
  LayOut(k, sv, n);
  k.min_x = k.min_y = kInf;
  k.max_x = k.max_y = -kInf;
  std::vector<std::uint32_t> cells;
  cells.reserve(n * sv.sizes.size() / sv.records + n / 8);
  for (std::size_t i = 0; i < n; ++i) {
    Footprint f;
    trace(list[i], f);
    std::uint32_t mark = kFirstOfRecord;
    if (f.Settle() && ForEachCell(k, f, [&](std::uint32_t c) {
          cells.push_back(c | mark);
          mark = 0;
        }))
      Extend(k, f);
    else
      k.always.push_back(static_cast<std::uint32_t>(i));
  }
  SortIntoCells(k, cells);
}

// ---- the query ----

// The positions of one kind to test for the window, ascending; false when
// the window meets so many filed records that walking the list costs less.
bool Candidates(const SnapKindIndex &k, double px, double py, double tol,
                std::vector<std::uint32_t> &out) {
  out.clear();
  const double half = tol * k.growth;
  if (!(half <= kMaxHalfSide))
    return false;
  const double pad = kRelPad * (std::fabs(px) + std::fabs(py) + half) + kAbsPad;
  const Box w{px - half - pad, py - half - pad, px + half + pad,
              py + half + pad};
  if (k.nx > 0 && w.x0 <= k.max_x && k.min_x <= w.x1 && w.y0 <= k.max_y &&
      k.min_y <= w.y1) {
    const CellRange r = CellsOf(k, w);
    std::size_t meets = 0;
    for (std::int32_t y = r.y0; y <= r.y1; ++y)
      meets += k.cell_start[CellNumber(k, r.x1, y) + 1] -
               k.cell_start[CellNumber(k, r.x0, y)];
    if (meets > k.indexed / 4 + 1024)
      return false;
    for (std::int32_t y = r.y0; y <= r.y1; ++y)
      out.insert(out.end(),
                 k.filed.begin() + k.cell_start[CellNumber(k, r.x0, y)],
                 k.filed.begin() + k.cell_start[CellNumber(k, r.x1, y) + 1]);
  }
  out.insert(out.end(), k.always.begin(), k.always.end());
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return true;
}

} // namespace

void SnapIndex::Build(const DrawingModel &m) {
  const Tracer trace(m);
  for (std::size_t k = 0; k < std::size(kSnapOrder); ++k)
    VisitList(m, kSnapOrder[k],
              [&](const auto &list) { FileKind(kinds_[k], list, trace); });
}

void SnapIndex::Clear() { kinds_ = {}; }

SnapHit SnapIndex::Find(const DrawingModel &model, double px, double py,
                        double tol) const {
  const bool windowed = std::isfinite(px) && std::isfinite(py) && tol >= 0;
  std::vector<std::uint32_t> candidates;
  for (std::size_t i = 0; i < kinds_.size(); ++i) {
    const EntKind kind = kSnapOrder[i];
    const SnapKindIndex &k = kinds_[i];
    SnapHit hit;
    if (windowed && Candidates(k, px, py, tol, candidates)) {
      for (const std::size_t c : candidates) {
        hit = SnapInRange(model, kind, c, c + 1, px, py, tol);
        if (hit.found)
          break;
      }
      if (!hit.found)
        hit = SnapInRange(model, kind, k.indexed, kEnd, px, py, tol);
    } else {
      hit = SnapInRange(model, kind, 0, kEnd, px, py, tol);
    }
    if (hit.found)
      return hit;
  }
  return {};
}

std::size_t SnapIndex::MemoryBytes() const {
  std::size_t bytes = 0;
  for (const SnapKindIndex &k : kinds_)
    bytes +=
        (k.cell_start.capacity() + k.filed.capacity() + k.always.capacity()) *
        sizeof(std::uint32_t);
  return bytes;
}

} // namespace orvik::exchange

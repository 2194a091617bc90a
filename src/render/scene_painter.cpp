#include "orvik/render/scene_painter.h"

#include "orvik/render/image_canvas.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace orvik::render {
namespace {

using exchange::DrawingModel;

// Below this many elements a second thread costs more than it saves.
constexpr std::size_t kMinElementsForTwoCores = 2000;

// Rough cost of drawing one element of each list, in lines, measured on
// fitted views of generated plans, for cutting the drawing order into two
// halves of about equal work.
std::size_t SplitPosition(const DrawingModel &m) {
  const std::pair<std::size_t, double> lists[] = {
      {m.Texts.Count(), 0.1},   {m.Solids2.Count(), 5},
      {m.Solids3.Count(), 13},  {m.Solids4.Count(), 17},
      {m.SolidsSc.Count(), 48}, {m.SolidsSe.Count(), 38},
      {m.SolidsSo.Count(), 58}, {m.SolidsSg.Count(), 57},
      {m.Lines.Count(), 1.5},   {m.Circles.Count(), 11},
      {m.Arcs.Count(), 10},     {m.Points.Count(), 8},
      {m.PointsEx.Count(), 7},  {m.Texts.Count(), 7},
      {m.Dims.Count(), 6}};
  double total = 0;
  for (const auto &[count, weight] : lists)
    total += static_cast<double>(count) * weight;
  double done = 0;
  std::size_t position = 0;
  for (const auto &[count, weight] : lists) {
    const double work = static_cast<double>(count) * weight;
    if (done + work >= total / 2)
      return position + static_cast<std::size_t>((total / 2 - done) / weight);
    done += work;
    position += count;
  }
  return position;
}

// The second thread's abort check: the flag the calling thread raises.
class Flag final : public AbortCheck {
public:
  explicit Flag(const std::atomic<bool> &stop) : stop_(stop) {}
  bool ShouldStop() override { return stop_.load(std::memory_order_relaxed); }

private:
  const std::atomic<bool> &stop_;
};

// The calling thread's: the caller's check, passed on to the flag.
class Relay final : public AbortCheck {
public:
  Relay(AbortCheck *abort, std::atomic<bool> &stop)
      : abort_(abort), stop_(stop) {}
  bool ShouldStop() override {
    if (abort_ != nullptr && abort_->ShouldStop())
      stop_ = true;
    return stop_;
  }

private:
  AbortCheck *abort_;
  std::atomic<bool> &stop_;
};

ElementFilter Culling(const SceneJob &job, const WorldBox &window) {
  ElementFilter filter;
  filter.boxes = job.boxes;
  filter.window = window;
  return filter;
}

// The layer's opaque pixels over the picture's, within `area`.
void LayOver(QImage &image, const QImage &layer, const QRect &area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
    const auto *from = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x)
      if (qAlpha(from[x]) != 0)
        to[x] = from[x];
  }
}

// Makes `area` of the layer transparent; the rest is left as it was.
void Clear(QImage &layer, const QRect &area) {
  const qsizetype bytes = static_cast<qsizetype>(area.width()) * 4;
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::memset(layer.scanLine(y) + area.left() * 4, 0, bytes);
}

// `area` of one picture into another of the same size and format.
void CopyArea(const QImage &from, QImage &to, const QRect &area) {
  const qsizetype bytes = static_cast<qsizetype>(area.width()) * 4;
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::memcpy(to.scanLine(y) + area.left() * 4,
                from.constScanLine(y) + area.left() * 4, bytes);
}

void Reuse(QImage &image, QSize size, QImage::Format format) {
  if (image.size() != size || image.format() != format)
    image = QImage(size, format);
}

} // namespace

WorldBox WindowOf(const geometry::ViewState &v, const QRect &r) {
  return {v.WorldX(r.left()), v.WorldY(r.bottom() + 1), v.WorldX(r.right() + 1),
          v.WorldY(r.top())};
}

bool ScenePainter::PaintAll(QImage &image, const SceneJob &job,
                            AbortCheck *abort) {
  return PaintCulled(image, job, Culling(job, WindowOf(job.view, image.rect())),
                     abort, image.rect());
}

bool ScenePainter::PaintCulled(QImage &image, const SceneJob &job,
                               ElementFilter first, AbortCheck *abort,
                               const QRect &area) {
  const std::size_t elements = job.model.EntOrder.Count();
  if (elements < kMinElementsForTwoCores ||
      std::thread::hardware_concurrency() < 2) {
    ImageCanvas canvas(image, Stamped(0));
    return PaintScene(canvas, job.model, job.pens, job.view, job.grid, abort,
                      job.codes, first);
  }
  ElementFilter second = first;
  first.last = second.first = SplitPosition(job.model);
  Reuse(layer_, image.size(), QImage::Format_ARGB32_Premultiplied);
  Clear(layer_, area);

  std::atomic<bool> stop{false}, second_done{false};
  bool second_complete = true;
  std::thread worker([&] {
    Flag flag(stop);
    ImageCanvas canvas(layer_, Stamped(1));
    second_complete = PaintElements(canvas, job.model, job.pens, job.view,
                                    &flag, job.codes, second);
    second_done = true;
  });
  Relay relay(abort, stop);
  bool complete;
  {
    ImageCanvas canvas(image, Stamped(0));
    complete = PaintScene(canvas, job.model, job.pens, job.view, job.grid,
                          &relay, job.codes, first);
  }
  // Esc is watched until the second half is done too.
  while (!second_done.load()) {
    relay.ShouldStop();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  worker.join();
  LayOver(image, layer_, area);
  return complete && second_complete && !stop;
}

void ScenePainter::PaintRect(QImage &image, const SceneJob &job,
                             const QRect &rect) {
  const QRect r = rect.intersected(image.rect());
  if (r.isEmpty())
    return;
  Reuse(scratch_, image.size(), QImage::Format_RGB32);
  PaintCulled(scratch_, job, Culling(job, WindowOf(job.view, r)), nullptr, r);
  CopyArea(scratch_, image, r);
}

void ScenePainter::PaintOver(QImage &image, const SceneJob &job,
                             const QRect &rect, std::size_t from) {
  const QRect r = rect.intersected(image.rect());
  if (r.isEmpty())
    return;
  Reuse(scratch_, image.size(), QImage::Format_RGB32);
  CopyArea(image, scratch_, r);
  {
    ImageCanvas canvas(scratch_, Stamped(0));
    ElementFilter filter = Culling(job, WindowOf(job.view, r));
    filter.first = from;
    PaintElements(canvas, job.model, job.pens, job.view, nullptr, job.codes,
                  filter);
  }
  CopyArea(scratch_, image, r);
}

ImageCanvas::Options ScenePainter::Stamped(int thread) {
  ImageCanvas::Options options;
  options.stamps = &stamps_[thread];
  options.polygon_stamps = &polygon_stamps_[thread];
  return options;
}

} // namespace orvik::render

#pragma once
// The whole scene on a picture, as PaintScene paints it, but faster: the
// elements outside the part being painted are passed over (by their
// boxes), a picture or a part of one is painted on two cores, and a part
// can be painted anew without the rest.
//
// Two cores: the calling thread paints the background and the first part
// of the elements, a second thread paints the rest onto a transparent
// layer, which is then laid over the first part's picture. Nothing is
// drawn with antialiasing or in XOR, so a pixel of the layer is either
// untouched or opaque, and the result is the picture of one pass, pixel
// for pixel.

#include "orvik/render/image_canvas.h"
#include "orvik/render/line_stamps.h"
#include "orvik/render/polygon_stamps.h"
#include "orvik/render/scene_job.h"

#include <QImage>
#include <QRect>

namespace orvik::render {

class ScenePainter {
public:
  // Paints all of `image` (Format_RGB32, the view's size). `abort` is
  // asked on the calling thread only (the second thread learns of a stop
  // from it); false when it stopped the painting early.
  bool PaintAll(QImage &image, const SceneJob &job, AbortCheck *abort);

  // Paints `rect` of `image` anew, exactly as PaintAll paints it there:
  // the scene with the elements that may light a pixel of `rect`, on a
  // scratch picture whose `rect` is then copied into `image`.
  void PaintRect(QImage &image, const SceneJob &job, const QRect &rect);

  // Paints over `rect` of `image`, a picture PaintAll painted of the
  // model before it grew at drawing position `from`, the elements from
  // that position on whose boxes meet `rect`: the picture PaintAll paints
  // of the grown model, there. Every element from `from` on that may
  // light a pixel of `rect` is drawn again, in order, so each such pixel
  // ends with the colour of the last one, as in a full pass.
  void PaintOver(QImage &image, const SceneJob &job, const QRect &rect,
                 std::size_t from);

private:
  // The scene with the elements `filter` lets through, on both cores for
  // a large drawing; only the pixels of `area` are sure to be the scene's.
  bool PaintCulled(QImage &image, const SceneJob &job, ElementFilter filter,
                   AbortCheck *abort, const QRect &area);
  // A canvas's options with the stamps of the calling thread (0) or the
  // second one (1).
  ImageCanvas::Options Stamped(int thread);

  // Kept from paint to paint: a fresh picture of a large area costs more
  // in page faults than painting it.
  QImage layer_, scratch_;
  LineStamps stamps_[2];
  PolygonStamps polygon_stamps_[2];
};

// The part of the view a rectangle of its pixels shows, in paper
// millimetres.
WorldBox WindowOf(const geometry::ViewState &view, const QRect &pixels);

} // namespace orvik::render

#pragma once
// The drawing area as the editing session sees it: pixels it draws onto
// through a canvas, and two kept pictures. The window implements it over
// its paint box; tests implement it over an image or a recording canvas.
//
// The host platform's model of a paint box: what is drawn stays until
// something draws over it. The session draws marks (pen traces, snap
// squares, rubber boxes) straight onto the area and renders the whole scene
// into it; `View` keeps a copy of the last full render so that a repaint
// needs no render, and `Pan` is the snapshot a middle-button drag or a
// touch gesture moves.
//
// Above the area lies the overlay: marks that follow the pointer (the snap
// preview) and never become part of the area's pixels or of a kept
// picture.

#include "orvik/render/abort_check.h"
#include "orvik/render/canvas.h"
#include "orvik/render/scene_job.h"

#include <cstdint>
#include <functional>

namespace orvik::session {

enum class Picture { View, Pan };

// A rectangle of pixels: left and top inside, right and bottom outside.
struct PixelBox {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  // The smallest box holding both.
  PixelBox United(const PixelBox &b) const;
};

class DrawingSurface {
public:
  virtual ~DrawingSurface() = default;

  // The area's size in pixels, as it is now.
  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;

  // Runs `draw` with a canvas over the area's pixels; what it drew is
  // complete (flushed) and shown once Draw returns. Never nested.
  virtual void Draw(const std::function<void(render::Canvas &)> &draw) = 0;

  // Copies the area's pixels into `which`.
  virtual void Keep(Picture which) = 0;
  virtual void Drop(Picture which) = 0;
  virtual bool Has(Picture which) const = 0;
  // True when `which` exists and has the area's size, so that putting it
  // back at (0, 0) covers every pixel.
  virtual bool Fits(Picture which) const = 0;
  // Copies `which` onto the area with its top-left corner at (dx, dy) and
  // shows it; area pixels it does not cover stay as they are.
  virtual void Put(Picture which, std::int32_t dx, std::int32_t dy) = 0;
  // As Put, with each pixel p of `which` at p * scale + (dx, dy).
  virtual void PutScaled(Picture which, double scale, double dx, double dy) = 0;

  // Replaces what the overlay shows by what `draw` draws, all of it within
  // `box`, and shows it.
  virtual void
  ShowOverlay(const PixelBox &box,
              const std::function<void(render::Canvas &)> &draw) = 0;
  // The overlay shows nothing.
  virtual void ClearOverlay() = 0;

  // Paints the whole scene into the area and shows it; false when `abort`
  // stopped it. This one paints in one pass through Draw; a surface over
  // an image paints faster (render::ScenePainter), with the same pixels.
  virtual bool PaintScene(const render::SceneJob &job,
                          render::AbortCheck *abort);
  // Paints `box` of the View picture anew, as PaintScene would paint it
  // there, and puts the whole View picture back on the area. With `from`
  // above 0 the View picture is PaintScene's of the model before it grew
  // at drawing position `from`: only the elements from there on are
  // painted over it.
  virtual void RepaintView(const render::SceneJob &job, const PixelBox &box,
                           std::size_t from) = 0;
};

} // namespace orvik::session

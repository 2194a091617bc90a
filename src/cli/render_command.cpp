// orvik-cli render IN OUT.png [--size WxH] [--grid SPACING]: the picture the
// window paints after fitting the drawing to a W x H drawing area.

#include "commands.h"
#include "messages.h"

#include "orvik/platform/arguments.h"

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/session.h"
#include "orvik/render/extents.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include <QImage>
#include <QString>

#include <charconv>
#include <string_view>

namespace orvik::cli {
namespace {

constexpr char kUsage[] =
    "usage: orvik-cli render IN OUT.png [--size WxH] [--grid SPACING]\n";

bool ParseInt(std::string_view s, int &value) {
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && ptr == s.data() + s.size();
}

// "WxH", each between 1 and 16384 pixels.
bool ParseSize(std::string_view s, int &w, int &h) {
  const std::size_t x = s.find('x');
  return x != std::string_view::npos && ParseInt(s.substr(0, x), w) &&
         ParseInt(s.substr(x + 1), h) && w >= 1 && h >= 1 && w <= 16384 &&
         h <= 16384;
}

bool ParseSpacing(std::string_view s, double &value) {
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && ptr == s.data() + s.size() && value > 0;
}

struct RenderArgs {
  std::string in, out;
  int width = 800, height = 600;
  render::GridSettings grid;
};

bool Parse(const Args &args, RenderArgs &r) {
  if (args.size() < 2)
    return false;
  r.in = args[0];
  r.out = args[1];
  for (std::size_t i = 2; i < args.size(); i += 2) {
    if (i + 1 >= args.size())
      return false;
    if (args[i] == "--size") {
      if (!ParseSize(args[i + 1], r.width, r.height))
        return false;
    } else if (args[i] == "--grid") {
      if (!ParseSpacing(args[i + 1], r.grid.spacing))
        return false;
      r.grid.on = true;
    } else {
      return false;
    }
  }
  return true;
}

} // namespace

int RunRender(const Args &args, std::ostream &, std::ostream &err) {
  RenderArgs r;
  if (!Parse(args, r)) {
    err << kUsage;
    return 2;
  }
  exchange::DrawingModel model;
  exchange::OutputBuffer output;
  if (!exchange::LoadExchangeFile(model, output,
                                  platform::PathFromUtf8(r.in))) {
    err << CannotRead(r.in);
    return 2;
  }
  const attributes::TgraAttribute pens;
  geometry::ViewState view;
  render::FitView(view, render::ComputeExtents(model, {}), r.width, r.height);

  QImage image(r.width, r.height, QImage::Format_RGB32);
  {
    // The window's special codes: the host hands over no file name, time
    // or title, so these keep their initial values, and the clock runs.
    const render::DrawingInfo info;
    const render::SystemClock clock;
    const render::SpecialCodes codes(info, clock);
    render::ImageCanvas canvas(image);
    render::PaintScene(canvas, model, pens, view, r.grid, nullptr, &codes);
  }
  if (!image.save(QString::fromStdString(r.out), "PNG")) {
    err << CannotWrite(r.out);
    return 1;
  }
  return 0;
}

} // namespace orvik::cli

// orvik-cli write IN OUT: what OK does after the user has drawn, minus the
// drawing: load IN as start-up does, then "hd" and the whole drawing into
// OUT. OUT may be IN.

#include "commands.h"
#include "messages.h"

#include "orvik/platform/arguments.h"

#include "orvik/exchange/session.h"
#include "orvik/exchange/writer.h"

namespace orvik::cli {

int RunWrite(const Args &args, std::ostream &, std::ostream &err) {
  if (args.size() != 2) {
    err << "usage: orvik-cli write IN OUT\n";
    return 2;
  }
  exchange::DrawingModel model;
  exchange::OutputBuffer output;
  if (!exchange::LoadExchangeFile(model, output,
                                  platform::PathFromUtf8(args[0]))) {
    err << CannotRead(args[0]);
    return 2;
  }
  output.EmitLine("hd");
  exchange::WriteDrawing(model, output, nullptr, nullptr);
  std::error_code error;
  if (!exchange::FlushExchangeFile(output, platform::PathFromUtf8(args[1]),
                                   &error)) {
    err << CannotWrite(args[1], error);
    return 1;
  }
  return 0;
}

} // namespace orvik::cli

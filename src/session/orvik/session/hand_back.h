#pragma once
// OK: the user's work goes into the writer's output buffer and from there
// into the exchange file. Should the file refuse it, everything stays as
// it was before OK, so the user can free the disk and press OK again.

#include "orvik/session/pen_tool.h"
#include "orvik/session/session_context.h"

#include <filesystem>
#include <utility>

namespace orvik::session {

class HandBack {
public:
  HandBack(SessionContext &context, std::filesystem::path exchange_path)
      : c_(context), exchange_path_(std::move(exchange_path)) {}

  // Writes the drawing with the user's `drawn` elements (or the message
  // that nothing was drawn) into the exchange file. True when it was
  // written; otherwise SessionEvents::HandBackFailed has told why.
  bool Commit(const NewElementCounts &drawn);
  // Shut-down: unless OK has handed the drawing back, "hq" (what the empty
  // output buffer writes) goes into the exchange file.
  void Close();

private:
  SessionContext &c_;
  std::filesystem::path exchange_path_;
  bool handed_back_ = false; // OK wrote the exchange file
};

} // namespace orvik::session

// OK and the message of a failed hand-back.

#include "orvik/session/hand_back.h"

#include "escape_watch.h"

#include "orvik/session/ui_texts.h"

#include "orvik/exchange/host_texts.h"
#include "orvik/exchange/writer.h"

namespace orvik::session {

// Should the file refuse the drawing, nothing has changed but the status
// line: the writer hands the new elements back moved by indicated point 1
// (when the host sent none of its own) without moving them in the model.
bool HandBack::Commit(const NewElementCounts &drawn) {
  const std::string status = c_.status;
  if (drawn.Total() <= 0) {
    exchange::EmitMessage(c_.output, exchange::kNoPenDrawingMessage);
  } else {
    SetStatus(c_, text::kWorking);
    c_.output.EmitLine("hd");
    const exchange::TJwwHpPoint &hp1 = c_.model.HpPoints[1];
    const exchange::ElementShift shift =
        c_.loaded_count == 0 ? exchange::ElementShift{hp1.X, hp1.Y}
                             : exchange::ElementShift{};
    EscapeWatch escape(c_.services);
    exchange::WriteDrawing(c_.model, c_.output, &c_.events, &escape, shift);
  }
  SetStatus(c_, text::kWritingFile);
  std::error_code error;
  if (exchange::FlushExchangeFile(c_.output, exchange_path_, &error)) {
    handed_back_ = true;
    return true;
  }
  c_.output.Clear();
  SetStatus(c_, status);
  c_.events.HandBackFailed({exchange_path_, error, true});
  return false;
}

void HandBack::Close() {
  std::error_code error;
  if (!handed_back_ &&
      !exchange::FlushExchangeFile(c_.output, exchange_path_, &error))
    c_.events.HandBackFailed({exchange_path_, error, false});
}

std::string HandBackMessage(const HandBackFailure &failure) {
  std::string message = text::kHandBackFailed;
  message += '\n';
  const std::error_code &e = failure.error;
  if (e == std::errc::no_space_on_device || e == std::errc::file_too_large)
    message += text::kDiskFull;
  else if (e == std::errc::permission_denied ||
           e == std::errc::operation_not_permitted ||
           e == std::errc::read_only_file_system)
    message += text::kNotWritable;
  else
    message += std::string(text::kOtherCause) + e.message();
  if (failure.after_ok)
    message += std::string("\n") + text::kTryAgain;
  return message;
}

} // namespace orvik::session

// The Qt side of orvik-cli: a headless application for "render" and
// "replay".

#include "commands.h"
#include "gui_commands.h"

#include "orvik/platform/arguments.h"
#include "orvik/platform/headless.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace orvik::cli {
namespace {

// The tool speaks only for itself: Qt's own diagnostics (about the
// runtime folder of a headless session, say) stay quiet.
void QuietQtMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int RunGuiCommand(int argc, char **argv) {
  const std::vector<std::string> all = platform::Utf8Arguments(argc, argv);
  const Args args(all.begin() + 1, all.end());
  // Drawing texts needs fonts, and replay the window itself; both need a
  // GUI application. The tool never shows a window, so a headless
  // platform serves unless the caller chose another.
  const char *headless = platform::HeadlessQtPlatform();
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && headless != nullptr)
    qputenv("QT_QPA_PLATFORM", headless);
  qInstallMessageHandler(QuietQtMessages);
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  return all.at(0) == "render" ? RunRender(args, std::cout, std::cerr)
                               : RunReplay(args, std::cout, std::cerr);
}

} // namespace orvik::cli

int OrvikCliGuiMain(int argc, char **argv) {
  return orvik::cli::RunGuiCommand(argc, argv);
}

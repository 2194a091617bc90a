// The window program, as the host starts it: no arguments; the exchange
// and settings files are found beside the program file.

#include "orvik/app/desktop_services.h"
#include "orvik/app/tform1.h"
#include "orvik/session/program_files.h"
#include "orvik/session/ui_texts.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char **argv) {
  // The window is laid out in whole pixels, and the drawing area is a
  // picture of its pixels: scaling by a fraction would blur both. So the
  // screen's scale goes to a whole number, up only from .75: at 100 % to
  // 150 % the window keeps its pixel layout (one pixel of the drawing area
  // is one pixel of the screen; the snap window, markers and rubber boxes
  // are measured in them), at 175 % to 250 % every pixel is doubled, which
  // keeps lines and texts sharp.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
  QApplication application(argc, argv);
  QApplication::setApplicationName(orvik::session::text::kApplicationTitle);
  const auto services = orvik::app::MakeDesktopServices();
  // Through UTF-16, so a folder named in any script is found as it is.
  const std::filesystem::path program(
      QCoreApplication::applicationFilePath().toStdU16String());
  orvik::app::TForm1 form(orvik::session::ProgramFiles::ForProgram(program),
                          *services);
  form.show();
  return application.exec();
}

// The window program, as the host starts it: no arguments; the exchange
// and settings files are found beside the program file.

#include "orvik/app/desktop_services.h"
#include "orvik/app/tform1.h"
#include "orvik/session/program_files.h"
#include "orvik/session/ui_texts.h"

#include <QApplication>
#include <QFile>

#include <filesystem>

int main(int argc, char **argv) {
  // One pixel of the drawing area is one pixel of the screen: the snap
  // window, markers and rubber boxes are measured in screen pixels, and a
  // scaled surface would blur the drawing.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
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

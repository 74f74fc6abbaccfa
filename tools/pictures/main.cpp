// jovi-make-pictures: draws the pictures shipped with the program.
//
//   jovi-make-pictures DATA_DIR ICON_DIR
//       the rotation set, the cloudy skies, the title pictures, the cursor and the arrow into
//       DATA_DIR; the desktop icon into ICON_DIR (as hicolor/...)
//   jovi-make-pictures --sheet DATA_DIR ICON_DIR SHEET.png
//       a contact sheet of what the first form wrote
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

#include "cloud_pictures.h"
#include "contact_sheet.h"
#include "jupiter_map.h"
#include "pointer_pictures.h"
#include "program_icon.h"
#include "rotation_set.h"
#include "shipped_file.h"
#include "title_pictures.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: jovi-make-pictures DATA_DIR ICON_DIR\n"
               "       jovi-make-pictures --sheet DATA_DIR ICON_DIR SHEET.png\n");
  return 2;
}

int WriteAll(const QString& data_dir, const QString& icon_dir) {
  using namespace jovi::pictures;
  QElapsedTimer timer;
  timer.start();
  const JupiterMap map;
  bool ok = WriteRotationSet(map, data_dir + "/Rotation BMPs");
  ok = WriteCloudPictures(data_dir + "/Cloud BMPs") && ok;
  ok = WriteTitlePictures(map, data_dir) && ok;
  ok = WritePointerPictures(data_dir) && ok;
  ok = WriteProgramIcon(icon_dir) && ok;
  std::printf("Pictures drawn in %.1f s\n", timer.elapsed() / 1000.0);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs no screen.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() == 3 && !args[1].startsWith('-')) return WriteAll(args[1], args[2]);
  if (args.size() == 5 && args[1] == QLatin1String("--sheet")) {
    return jovi::pictures::SaveImage(jovi::pictures::ContactSheet(args[2], args[3]), args[4], "PNG")
               ? 0
               : 1;
  }
  return Usage();
}

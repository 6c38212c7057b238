// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of Spulix into the resources folder given as the only
// argument. Run through the `spulix-redraw-resources` build target.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "about_picture.h"
#include "app_icon.h"
#include "core_diagram.h"
#include "reference_tables.h"
#include "small_icons.h"
#include "vector_icon.h"

namespace spulix {
namespace {

struct Picture {
  QString path;  // below the resources folder
  std::function<QImage()> draw;
};

// The icon theme's folder for one size of the application icon.
QString ThemeIcon(int size) {
  return QStringLiteral("icons/hicolor/%1x%1/apps/spulix.png").arg(size);
}

std::vector<Picture> Pictures() {
  std::vector<Picture> pictures;
  // What the main window shows comes at twice the size too, as name@2x.png,
  // for screens with two pixels per logical pixel.
  const std::vector<std::pair<QString, QImage (*)(int)>> sharp = {
      {"icons/print", DrawPrinterIcon},
      {"icons/refresh", DrawRefreshIcon},
      {"icons/clear", DrawWasteBinIcon},
      {"icons/query", DrawMagnifierIcon},
      {"icons/calculator", DrawCalculatorIcon},
      {"icons/about", DrawPortraitIcon},
      {"icons/exit", DrawExitFace},
      {"pictures/core_diagram", DrawCoreDiagram},
  };
  for (const auto& [path, draw] : sharp) {
    pictures.push_back({path + ".png", [draw] { return draw(1); }});
    pictures.push_back({path + "@2x.png", [draw] { return draw(2); }});
  }
  pictures.push_back({"icons/help.png", [] { return DrawQuestionMarkIcon(); }});
  pictures.push_back({"pictures/about.png", DrawAboutPicture});
  // The application icon, for the icon theme; the window uses 32 and 64.
  for (int size : {16, 32, 48, 64, 128, 256}) {
    pictures.push_back({ThemeIcon(size),
                        [size] { return RenderVectorIcon(AppIcon(), size); }});
  }
  for (const auto* tables : {&ReferenceTables(), &EnglishReferenceTables()}) {
    for (const ReferenceTable& table : *tables) {
      pictures.push_back(
          {table.file_name, [&table] { return DrawReferenceTable(table); }});
    }
  }
  return pictures;
}

bool WriteText(const QString& file_name, const QString& text) {
  QFile file(file_name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream(&file) << text;
  return file.error() == QFile::NoError;
}

}  // namespace
}  // namespace spulix

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  int failures = 0;
  for (const spulix::Picture& picture : spulix::Pictures()) {
    const QString file_name = root.filePath(picture.path);
    const bool saved = root.mkpath(QFileInfo(file_name).path()) &&
                       picture.draw().save(file_name, "PNG");
    std::printf("%s %s\n", saved ? "wrote " : "FAILED", qPrintable(file_name));
    failures += saved ? 0 : 1;
  }
  const QString svg = root.filePath("icons/hicolor/scalable/apps/spulix.svg");
  const bool saved =
      spulix::WriteText(svg, spulix::VectorIconToSvg(spulix::AppIcon()));
  std::printf("%s %s\n", saved ? "wrote " : "FAILED", qPrintable(svg));
  failures += saved ? 0 : 1;
  return failures == 0 ? 0 : 1;
}

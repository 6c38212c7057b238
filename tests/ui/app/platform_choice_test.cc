// SPDX-License-Identifier: GPL-3.0-or-later
// The platform the program asks Qt for: X11 through XWayland on a Wayland
// desktop unless the user chose one; otherwise Qt's own choice.
#include "ui/app/platform_choice.h"

#include <QtTest>
#include <map>
#include <string>

namespace spulix {

class PlatformChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  void choice_data() {
    QTest::addColumn<QString>("environment");  // NAME=VALUE;...
    QTest::addColumn<QString>("platform");
    QTest::newRow("wayland session with XWayland")
        << "WAYLAND_DISPLAY=wayland-0;DISPLAY=:0"
        << "xcb";
    QTest::newRow("session type wayland")
        << "XDG_SESSION_TYPE=wayland;DISPLAY=:1"
        << "xcb";
    QTest::newRow("user's own choice wins")
        << "QT_QPA_PLATFORM=wayland;WAYLAND_DISPLAY=wayland-0;DISPLAY=:0"
        << "";
    QTest::newRow("empty choice is no choice")
        << "QT_QPA_PLATFORM=;WAYLAND_DISPLAY=wayland-0;DISPLAY=:0"
        << "xcb";
    QTest::newRow("no X server reachable")
        << "WAYLAND_DISPLAY=wayland-0;XDG_SESSION_TYPE=wayland"
        << "";
    QTest::newRow("empty DISPLAY") << "WAYLAND_DISPLAY=wayland-0;DISPLAY="
                                   << "";
    QTest::newRow("X11 session") << "XDG_SESSION_TYPE=x11;DISPLAY=:0"
                                 << "";
    QTest::newRow("no desktop at all") << ""
                                       << "";
  }
  void choice() {
    QFETCH(QString, environment);
    QFETCH(QString, platform);
    std::map<std::string, std::string> variables;
    for (const QString& pair : environment.split(u';', Qt::SkipEmptyParts)) {
      const qsizetype equals = pair.indexOf(u'=');
      variables[pair.left(equals).toStdString()] =
          pair.mid(equals + 1).toStdString();
    }
    const auto lookup = [&variables](const char* name) -> const char* {
      const auto found = variables.find(name);
      return found == variables.end() ? nullptr : found->second.c_str();
    };
    QCOMPARE(QString::fromStdString(PlatformForEnvironment(lookup)), platform);
  }
};

}  // namespace spulix

QTEST_APPLESS_MAIN(spulix::PlatformChoiceTest)
#include "platform_choice_test.moc"

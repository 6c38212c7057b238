// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded faces: they hold every character of the program's texts,
// draw exactly like the installed faces they come from, and leave any other
// character to the installed faces.
#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QResource>
#include <QtTest>

#include "ui/main_window/clock_text.h"
#include "ui/widgets/fonts.h"

namespace spulix {

class EmbeddedFontsTest : public QObject {
  Q_OBJECT

 private:
  static QRawFont Embedded(const char* file) {
    const QResource resource(QString::fromLatin1(file));
    return QRawFont(QByteArray(reinterpret_cast<const char*>(resource.data()),
                               static_cast<qsizetype>(resource.size())),
                    12);
  }

  // The characters inside the string literals of the sources the program's
  // texts come from.
  static QSet<char32_t> LiteralCharacters() {
    static const QRegularExpression literal(
        QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
    QSet<char32_t> chars;
    for (const char* dir : {"ui", "design", "document", "present"}) {
      QDirIterator files(QStringLiteral(SPULIX_SOURCE_DIR "/") + dir,
                         {QStringLiteral("*.cc"), QStringLiteral("*.h")},
                         QDir::Files, QDirIterator::Subdirectories);
      while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& match : literal.globalMatch(text)) {
          for (const char32_t c : match.captured(1).toUcs4()) chars << c;
        }
      }
    }
    return chars;
  }

  static QImage Draw(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 4, metrics.height() + 4,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, 2 + metrics.ascent(), text);
    return image;
  }

  static QFont Installed(const char* family, int pixels, bool bold) {
    QFont font;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
  }

 private slots:
  void initTestCase() { QVERIFY(LoadEmbeddedFaces()); }

  void everyLiteralCharacterIsEmbedded() {
    const QSet<char32_t> chars = LiteralCharacters();
    QVERIFY(chars.size() > 150);
    for (const char* file : kSubsetFiles) {
      const QRawFont font = Embedded(file);
      QVERIFY2(font.isValid(), file);
      for (const char32_t c : chars) {
        if (c < 0x20 || c == 0x7F) continue;
        QVERIFY2(font.supportsCharacter(c),
                 qPrintable(QString::fromLatin1(file) + ": " +
                            QString::fromUcs4(&c, 1)));
      }
    }
  }

  // The clock's day names come from the locale, not from the sources.
  void clockTextIsEmbedded() {
    const QRawFont font = Embedded(":/fonts/hei-regular.otf");
    for (int day = 1; day <= 7; ++day) {
      const QDateTime now(QDate(2024, 1, day), QTime(23, 59, 59));
      for (const char32_t c : ClockText(now, QLocale::c()).toUcs4()) {
        QVERIFY(font.supportsCharacter(c));
      }
    }
  }

  // Every face, size and weight the windows use draws the same pixels as
  // the installed face.
  void drawsLikeTheInstalledFace_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::newRow("宋体 9 pt") << int(Face::kSong) << kPixels9Pt << false;
    QTest::newRow("宋体 14.25 pt")
        << int(Face::kSong) << kPixels14_25Pt << false;
    QTest::newRow("黑体 12 pt") << int(Face::kHei) << kPixels12Pt << false;
    QTest::newRow("黑体 12 pt bold") << int(Face::kHei) << kPixels12Pt << true;
    QTest::newRow("黑体 14.25 pt bold")
        << int(Face::kHei) << kPixels14_25Pt << true;
  }
  void drawsLikeTheInstalledFace() {
    QFETCH(int, face);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    const QFont font = MakeFont(Face(face), pixels, bold);
    QCOMPARE(QFontInfo(font).family(),
             QString::fromLatin1(face == int(Face::kSong) ? kSongSubsetFamily
                                                          : kHeiSubsetFamily));
    const QFont installed = Installed(
        face == int(Face::kSong) ? kSongFamily : kHeiFamily, pixels, bold);
    const QString text =
        QStringLiteral(
            "变压器输出功率 平方厘米 1,234.56 瓦(W) ？铁心是否可用 ") +
        ClockText(QDateTime(QDate(2024, 1, 2), QTime(14, 5, 9)), QLocale::c());
    QCOMPARE(QFontMetrics(font).height(), QFontMetrics(installed).height());
    QCOMPARE(Draw(font, text), Draw(installed, text));
  }

  // A character the subset lacks still draws, with the installed face.
  void otherCharactersComeFromTheInstalledFace() {
    const QString rare = QStringLiteral("鑫龘");
    for (const char32_t c : rare.toUcs4()) {
      QVERIFY(!Embedded(":/fonts/song-regular.otf").supportsCharacter(c));
    }
    const QFont font = MakeFont(Face::kSong, kPixels14_25Pt);
    for (const char32_t c : rare.toUcs4()) {
      QVERIFY(QFontMetrics(font).inFontUcs4(c));
    }
    const QString mixed = QStringLiteral("铁心鑫龘");
    QCOMPARE(Draw(font, mixed),
             Draw(Installed(kSongFamily, kPixels14_25Pt, false), mixed));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::EmbeddedFontsTest)
#include "embedded_fonts_test.moc"

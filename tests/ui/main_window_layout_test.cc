// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: places, captions, tool tips, styles, fonts,
// menus, tab chain, stacking, and what Load hides.
#include <QAbstractButton>
#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <limits>
#include <memory>

#include "design/transformer_design.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/sharp_pictures.h"
#include "ui/window_layout.h"
#include "ui/wrapped_label.h"

namespace spulix {
namespace {

QRect Twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

QColor ColourOf(QRgb rgb) { return QColor(rgb); }

}  // namespace

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  template <typename T = QWidget>
  T* Find(const QString& name) {
    T* child = window_->findChild<T*>(name);
    if (child == nullptr) qWarning("no control %s", qPrintable(name));
    return child;
  }

 private slots:
  void init() { window_ = std::make_unique<MainWindow>(); }
  void cleanup() { window_.reset(); }

  void windowFrame() {
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->windowTitle(), QStringLiteral(" Spulix"));
    QCOMPARE(window_->client()->size(), QSize(777, 539));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(window_->client()->size(), QSize(777, 539));
    QCOMPARE(window_->client()->mapTo(window_.get(), QPoint(0, 0)).y(),
             window_->menuBar()->height());
  }

  void geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");
    const QString client = QStringLiteral("Form1Client");
    // Toolbar.
    QTest::newRow("Label32") << "Label32" << client << Twips(0, 0, 11535, 495);
    QTest::newRow("Command4") << "Command4" << client << Twips(0, 0, 735, 495);
    QTest::newRow("Command7")
        << "Command7" << client << Twips(3600, 0, 735, 495);
    QTest::newRow("Command9")
        << "Command9" << client << Twips(4335, 30, 645, 435);
    QTest::newRow("Command1")
        << "Command1" << client << Twips(11040, 0, 615, 495);
    // Voltage row and the three columns.
    QTest::newRow("Text10")
        << "Text10" << client << Twips(1320, 1200, 735, 375);
    QTest::newRow("Text11")
        << "Text11" << client << Twips(3960, 1200, 735, 375);
    QTest::newRow("Text1") << "Text1" << client << Twips(1800, 2520, 1335, 495);
    QTest::newRow("Text12")
        << "Text12" << client << Twips(1800, 6840, 1335, 495);
    QTest::newRow("Text13")
        << "Text13" << client << Twips(5640, 2520, 1335, 495);
    QTest::newRow("Text22")
        << "Text22" << client << Twips(5640, 6840, 1335, 495);
    QTest::newRow("Text19")
        << "Text19" << client << Twips(9480, 3480, 1335, 495);
    QTest::newRow("Label39")
        << "Label39" << client << Twips(3240, 4080, 480, 420);
    // Insulation frames.
    QTest::newRow("Frame1")
        << "Frame1" << client << Twips(5760, 960, 2535, 1095);
    QTest::newRow("Frame2")
        << "Frame2" << client << Twips(8400, 960, 2535, 1095);
    QTest::newRow("Text26") << "Text26"
                            << "Frame1" << Twips(1080, 240, 735, 375);
    QTest::newRow("Text28") << "Text28"
                            << "Frame2" << Twips(1080, 600, 735, 375);
    // Core fit button and diagram.
    QTest::newRow("Command5")
        << "Command5" << client << Twips(8400, 4320, 2895, 375);
    QTest::newRow("Command10")
        << "Command10" << client << Twips(10920, 4800, 375, 180);
    QTest::newRow("Command11")
        << "Command11" << client << Twips(10920, 4800, 375, 180);
    QTest::newRow("Picture1")
        << "Picture1" << client << Twips(8280, 5160, 2925, 1980);
    QTest::newRow("Label65")
        << "Label65" << client << Twips(11280, 5880, 255, 735);
    // Panel and status strip.
    QTest::newRow("Frame4")
        << "Frame4" << client << Twips(2160, 480, 2175, 2055);
    QTest::newRow("Frame3") << "Frame3" << client << Twips(0, 7440, 11655, 615);
    QTest::newRow("Label33") << "Label33"
                             << "Frame3" << Twips(360, 240, 4215, 255);
  }
  void geometry() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    QWidget* widget = Find(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), rect);
  }

  // Auto-sized labels keep Left and Top and take the width of their caption:
  // 12 pixels (180 twips) for each Chinese character of the window's font.
  void autoSizedLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<int>("widthTwips");  // 0: not all Chinese
    const QString client = QStringLiteral("Form1Client");
    QTest::newRow("Label16") << "Label16" << client << QPoint(360, 1320) << 720;
    QTest::newRow("Label34") << "Label34" << client << QPoint(2280, 1320) << 0;
    QTest::newRow("Label1") << "Label1" << client << QPoint(240, 2640) << 1260;
    QTest::newRow("Label10")
        << "Label10" << client << QPoint(240, 6480) << 1440;
    QTest::newRow("Label44") << "Label44" << client << QPoint(3240, 6480) << 0;
    QTest::newRow("Label15")
        << "Label15" << client << QPoint(3960, 4080) << 720;
    QTest::newRow("Label26")
        << "Label26" << client << QPoint(4680, 4080) << 900;
    QTest::newRow("Label18")
        << "Label18" << client << QPoint(3960, 5160) << 1620;
    QTest::newRow("Label22")
        << "Label22" << client << QPoint(3960, 7080) << 1440;
    QTest::newRow("Label55")
        << "Label55" << client << QPoint(7080, 6960) << 180;
    QTest::newRow("Label23")
        << "Label23" << client << QPoint(7920, 2760) << 1440;
    QTest::newRow("Label58")
        << "Label58" << client << QPoint(10920, 3600) << 360;
    QTest::newRow("Label28") << "Label28"
                             << "Frame1" << QPoint(240, 360) << 0;
    QTest::newRow("Label62") << "Label62"
                             << "Frame2" << QPoint(1920, 720) << 360;
    QTest::newRow("Label63")
        << "Label63" << client << QPoint(8760, 4920) << 720;
    QTest::newRow("Label64")
        << "Label64" << client << QPoint(9600, 7200) << 360;
    QTest::newRow("Label5") << "Label5" << client << QPoint(7560, 120) << 0;
    QTest::newRow("Label69") << "Label69"
                             << "Frame4" << QPoint(240, 360) << 0;
    QTest::newRow("Label73") << "Label73"
                             << "Frame4" << QPoint(240, 1440) << 0;
  }
  void autoSizedLabels() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QPoint, topLeft);
    QFETCH(int, widthTwips);
    auto* label = Find<QLabel>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), container);
    QCOMPARE(label->pos(), topLeft / 15);
    QCOMPARE(label->size(), label->sizeHint());
    if (widthTwips > 0) QCOMPARE(label->width(), widthTwips / 15);
  }

  // The figures on the diagram stand inside the picture's border.
  void diagramFigures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("Label66") << "Label66" << QPoint(720, 120);
    QTest::newRow("Label67") << "Label67" << QPoint(1440, 1560);
    QTest::newRow("Label68") << "Label68" << QPoint(2400, 840);
  }
  void diagramFigures() {
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    auto* picture = Find<QLabel>(QStringLiteral("Picture1"));
    auto* figure = Find<QLabel>(name);
    QVERIFY(picture && figure);
    QCOMPARE(figure->parentWidget(), picture);
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 191, 128));
    QCOMPARE(figure->pos(), picture->contentsRect().topLeft() + topLeft / 15);
    QCOMPARE(figure->palette().color(QPalette::Window), ColourOf(0xD6D2D7));
    QVERIFY(figure->autoFillBackground());
    QVERIFY(figure->text().isEmpty());
    // Grows to the right with its text, on one line.
    window_->store().SetCaption(Caption::kWidthFigure, "6");
    auto* width_figure = Find<QLabel>(QStringLiteral("Label66"));
    const QRect one_digit = width_figure->geometry();
    window_->store().SetCaption(Caption::kWidthFigure, "1234.56");
    QCOMPARE(width_figure->text(), QStringLiteral("1234.56"));
    QVERIFY(width_figure->width() >=
            width_figure->fontMetrics().horizontalAdvance("1234.56"));
    QCOMPARE(width_figure->pos(), one_digit.topLeft());
    QCOMPARE(width_figure->height(), one_digit.height());
    QVERIFY(width_figure->width() > one_digit.width());
  }

  // Each field has its caption at the left, carrying the tool tip, and its
  // dark red unit at the right; the field itself has no tool tip.
  void captionsAndUnits() {
    for (const FieldInfo& info : Catalogue()) {
      auto* edit = Find<QLineEdit>(QString::fromLatin1(info.control));
      QVERIFY2(edit, info.control);
      QVERIFY(edit->toolTip().isEmpty());
      QVERIFY(edit->text().isEmpty());
      auto* caption = Find<QLabel>(QString::fromLatin1(info.caption_label));
      QVERIFY2(caption, info.caption_label);
      QCOMPARE(caption->parentWidget(), edit->parentWidget());
      QVERIFY(caption->geometry().right() < edit->geometry().left());
      QCOMPARE(caption->toolTip().isEmpty(), info.tool_tip == nullptr);
      auto* unit = Find<QLabel>(QString::fromLatin1(info.unit_label));
      QVERIFY2(unit, info.unit_label);
      QCOMPARE(unit->parentWidget(), edit->parentWidget());
      QVERIFY(unit->geometry().left() > edit->geometry().right());
      QCOMPARE(unit->palette().color(QPalette::WindowText), ColourOf(0xC00000));
    }
    auto* n0 = Find<QLabel>(QStringLiteral("Label10"));
    QCOMPARE(n0->text(), QStringLiteral("每伏电压应绕匝数"));
    QCOMPARE(n0->toolTip(), QStringLiteral("N0=450000/Bm*S"));
    auto* wire = Find<QLabel>(QStringLiteral("Label15"));
    QCOMPARE(wire->text(), QStringLiteral("导线线径"));
  }

  void otherCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("Command4") << "Command4"
                              << ""
                              << "打印";
    QTest::newRow("Command2") << "Command2"
                              << ""
                              << "刷新";
    QTest::newRow("Command3") << "Command3"
                              << ""
                              << "清空";
    QTest::newRow("Command6") << "Command6"
                              << ""
                              << "查询";
    QTest::newRow("Command12") << "Command12"
                               << ""
                               << "计算器";
    QTest::newRow("Command7") << "Command7"
                              << ""
                              << "关于";
    QTest::newRow("Command1") << "Command1"
                              << ""
                              << "退出";
    QTest::newRow("Command9") << "Command9"
                              << "测试"
                              << "测试";
    QTest::newRow("Command5") << "Command5"
                              << "？铁心是否可用"
                              << "";
    QTest::newRow("Command10") << "Command10"
                               << ""
                               << "";
    QTest::newRow("Label63") << "Label63"
                             << "窗口宽度"
                             << "";
    QTest::newRow("Label64") << "Label64"
                             << "舌宽"
                             << "";
    // d1's formula is on its own caption "输入线径：" only.
    QTest::newRow("Label15") << "Label15"
                             << "导线线径"
                             << "";
    QTest::newRow("Label65") << "Label65"
                             << "窗口高度"
                             << "";
    QTest::newRow("Label69") << "Label69"
                             << "变压器效率表...η"
                             << "";
    QTest::newRow("Label71") << "Label71"
                             << "额定功率系数表...K"
                             << "";
    QTest::newRow("Label72") << "Label72"
                             << "磁通密度表...Bm"
                             << "";
    QTest::newRow("Label73") << "Label73"
                             << "间隙系数...Kc"
                             << "";
    QTest::newRow("Label33") << "Label33"
                             << ""
                             << "";
    QTest::newRow("Label5") << "Label5"
                            << ""
                            << "";
  }
  void otherCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QWidget* widget = Find(name);
    QVERIFY(widget);
    if (auto* picture = qobject_cast<QToolButton*>(widget)) {
      // Picture buttons show their icon only, never a caption.
      QCOMPARE(picture->toolButtonStyle(), Qt::ToolButtonIconOnly);
      QVERIFY(text.isEmpty());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QCOMPARE(button->text(), text);
    } else {
      QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
    }
    QCOMPARE(widget->toolTip(), toolTip);
  }

  void frames() {
    QCOMPARE(Find<QGroupBox>(QStringLiteral("Frame1"))->title(),
             QStringLiteral("初级绕组绝缘:"));
    QCOMPARE(Find<QGroupBox>(QStringLiteral("Frame2"))->title(),
             QStringLiteral("次级绕组绝缘:"));
    QVERIFY(Find<QGroupBox>(QStringLiteral("Frame3"))->title().isEmpty());
    auto* panel = Find<QGroupBox>(QStringLiteral("Frame4"));
    QVERIFY(panel->title().isEmpty());
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->palette().color(QPalette::Window), ColourOf(0x8080FF));
  }

  void pictureButtons() {
    for (const char* name : {"Command4", "Command2", "Command3", "Command6",
                             "Command12", "Command7"}) {
      auto* button = Find<QToolButton>(QString::fromLatin1(name));
      QVERIFY2(button, name);
      QCOMPARE(button->iconSize(), QSize(32, 32));
      QVERIFY2(!button->icon().isNull(), name);
    }
    auto* exit = Find<QToolButton>(QStringLiteral("Command1"));
    QCOMPARE(exit->iconSize(), QSize(20, 20));
    QVERIFY(!exit->icon().isNull());
    auto* picture = Find<QLabel>(QStringLiteral("Picture1"));
    QCOMPARE(picture->pixmap().size(), QSize(191, 128));
    QVERIFY(!window_->windowIcon().isNull());
  }

  // On a screen with two pixels per logical pixel the icons and the core
  // diagram keep their logical size but bring twice the pixels; at scale 1
  // the diagram is its picture, pixel for pixel.
  void sharpOnFinerScreens() {
    for (QToolButton* button :
         window_->client()->findChildren<QToolButton*>()) {
      const QPixmap fine = button->icon().pixmap(button->iconSize(), 2.0);
      QCOMPARE(fine.size(), button->iconSize() * 2);
      QCOMPARE(fine.deviceIndependentSize(), QSizeF(button->iconSize()));
    }
    QCOMPARE(window_->windowIcon().pixmap(QSize(32, 32), 2.0).size(),
             QSize(64, 64));
    const QString diagram = QStringLiteral(":/pictures/core_diagram.png");
    const QPixmap fine = SharpPixmap(diagram, 2.0);
    QCOMPARE(fine.size(), QSize(382, 256));
    QCOMPARE(fine.deviceIndependentSize(), QSizeF(191, 128));
    const QImage plain = SharpPixmap(diagram, 1.0).toImage();
    QCOMPARE(plain.convertToFormat(QImage::Format_RGB32),
             QImage(diagram).convertToFormat(QImage::Format_RGB32));
  }

  // Styles of the four kinds of field.
  void fieldStyles_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");  // invalid: the default
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::newRow("typed input")
        << int(FieldRole::kTypedInput) << ColourOf(0x00C000)
        << ColourOf(0xFFFFFF) << kHeiSubsetFamily << 19 << true;
    QTest::newRow("insulation input")
        << int(FieldRole::kInsulationInput) << ColourOf(0x8080FF) << QColor()
        << kHeiSubsetFamily << 16 << true;
    QTest::newRow("wire diameter")
        << int(FieldRole::kWireDiameter) << ColourOf(0xC0C0C0) << QColor()
        << kHeiSubsetFamily << 19 << true;
    QTest::newRow("result")
        << int(FieldRole::kResult) << ColourOf(0x000000) << ColourOf(0xFFFFFF)
        << kSongSubsetFamily << 19 << false;
  }
  void fieldStyles() {
    QFETCH(int, role);
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    const QLineEdit plain;
    int count = 0;
    for (const FieldInfo& info : Catalogue()) {
      if (static_cast<int>(info.role) != role) continue;
      ++count;
      auto* edit = Find<QLineEdit>(QString::fromLatin1(info.control));
      QVERIFY(edit);
      QCOMPARE(edit->palette().color(QPalette::Base), base);
      QCOMPARE(edit->palette().color(QPalette::Text),
               text.isValid() ? text : plain.palette().color(QPalette::Text));
      const QFontInfo font(edit->font());
      QCOMPARE(font.family(), family);
      QCOMPARE(font.pixelSize(), pixels);
      QCOMPARE(font.bold(), bold);
      QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
      // No length limit: a text far beyond QLineEdit's default stays whole.
      QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
      if (info.field == Field::kInputPower) {  // a field without a reaction
        const QString long_text(40000, QLatin1Char('7'));
        edit->setText(long_text);
        QCOMPARE(edit->text(), long_text);
        edit->clear();
      }
    }
    QVERIFY(count > 0);
  }

  void labelStyles() {
    // The window's font, 宋体 9 pt.
    const QFontInfo window_font(window_->font());
    QCOMPARE(window_font.family(), QString::fromLatin1(kSongSubsetFamily));
    QCOMPARE(window_font.pixelSize(), 12);
    auto* clock = Find<QLabel>(QStringLiteral("Label5"));
    QCOMPARE(clock->palette().color(QPalette::WindowText), ColourOf(0x00C000));
    QCOMPARE(QFontInfo(clock->font()).family(),
             QString::fromLatin1(kHeiSubsetFamily));
    QCOMPARE(clock->font().pixelSize(), 16);
    QVERIFY(!clock->autoFillBackground());
    auto* strip = Find<QLabel>(QStringLiteral("Label32"));
    QVERIFY(strip->autoFillBackground());
    QCOMPARE(strip->palette().color(QPalette::Window),
             window_->palette().color(QPalette::ToolTipText));
    auto* tongue = Find<QLabel>(QStringLiteral("Label64"));
    QCOMPARE(tongue->palette().color(QPalette::Window), ColourOf(0xC0C0C0));
    QVERIFY(tongue->autoFillBackground());
    for (const char* name : {"Label69", "Label71", "Label72", "Label73"}) {
      auto* link = Find<QLabel>(QString::fromLatin1(name));
      QCOMPARE(link->palette().color(QPalette::WindowText), ColourOf(0xFFFFFF));
      QVERIFY(link->font().underline());
      QVERIFY(!link->autoFillBackground());
      QCOMPARE(link->font().pixelSize(), 12);
    }
    auto* caption = Find<QLabel>(QStringLiteral("Label1"));
    QCOMPARE(caption->font(), window_->font());
  }

  // No character of any caption falls back to a box.
  void everyCharacterHasAGlyph() {
    int checked = 0;
    auto check = [&checked](const QString& text, const QFont& font,
                            const QString& where) {
      const QFontMetrics metrics(font);
      for (const char32_t c : text.toUcs4()) {
        if (c == U'\n' || c == U' ') continue;
        QVERIFY2(metrics.inFontUcs4(c),
                 qPrintable(where + ": " + QString::fromUcs4(&c, 1)));
        ++checked;
      }
    };
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      check(label->text(), label->font(), label->objectName());
      check(label->toolTip(), label->font(), label->objectName());
    }
    for (QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
      check(button->text(), button->font(), button->objectName());
    }
    for (QGroupBox* frame : window_->findChildren<QGroupBox*>()) {
      check(frame->title(), frame->font(), frame->objectName());
    }
    for (QAction* action : window_->menuBar()->findChildren<QAction*>()) {
      check(action->text(), window_->menuBar()->font(), action->objectName());
    }
    QVERIFY(checked > 300);
  }

  // "平方厘米" on two lines, "窗口高度" one character a line, inside
  // their boxes.
  void wrappedLabels() {
    auto* unit = Find<WrappedLabel>(QStringLiteral("Label39"));
    QVERIFY(unit);
    QCOMPARE(unit->Lines(), QStringList({"平方", "厘米"}));
    QVERIFY(unit->Lines().size() * unit->font().pixelSize() <= unit->height());
    auto* height = Find<WrappedLabel>(QStringLiteral("Label65"));
    QVERIFY(height);
    QCOMPARE(height->Lines(), QStringList({"窗", "口", "高", "度"}));
    QVERIFY(height->Lines().size() * height->font().pixelSize() <=
            height->height());
  }

  // Five menus of plain items, named for tests and accessibility; each item
  // is its command's action, so its caption is the command's.
  void menus() {
    const std::vector<std::pair<const char*, std::vector<const char*>>>
        expected = {{"WJ",
                     {"OpenDesign", "SaveDesign", "SaveDesignAs",
                      "ExportReport", "DY", "tc"}},
                    {"CX", {"QK", "SX"}},
                    {"BJ", {"XLB", "XSB", "MDB", "JXXS"}},
                    {"XX", {"BZTX", "BZQBX", "RZD"}},
                    {"BZ", {"HELP", "ABORT"}}};
    const QList<QAction*> top = window_->menuBar()->actions();
    QCOMPARE(top.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
      QMenu* menu = top[m]->menu();
      QVERIFY(menu);
      QCOMPARE(menu->objectName(), QString::fromLatin1(expected[m].first));
      QVERIFY(!menu->title().isEmpty());
      const QList<QAction*> items = menu->actions();
      QCOMPARE(items.size(), qsizetype(expected[m].second.size()));
      for (qsizetype i = 0; i < items.size(); ++i) {
        QAction* action = items[i];
        QCOMPARE(action->objectName(),
                 QString::fromLatin1(expected[m].second[std::size_t(i)]));
        QVERIFY(!action->text().isEmpty());
        // Only opening and saving designs have the usual key shortcuts.
        if (!action->objectName().contains(QLatin1String("Design"))) {
          QVERIFY(action->shortcut().isEmpty());
        }
        QVERIFY(!action->isSeparator());
        QVERIFY(!action->isCheckable());
        QVERIFY(action->isEnabled() && action->isVisible());
        QVERIFY(!action->text().contains(u'&'));
        // Menu items show text only, even where the action has an icon.
        QVERIFY(!action->isIconVisibleInMenu() || action->icon().isNull());
        QCOMPARE(window_->findChild<QAction*>(action->objectName()), action);
      }
    }
  }

  void loadHidesDiagramAndPanel() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    for (const char* name :
         {"Picture1", "Label66", "Label63", "Label64", "Label65", "Frame4"}) {
      QVERIFY2(!Find(QString::fromLatin1(name))->isVisible(), name);
    }
    for (const char* name : {"Command10", "Command11", "Command5", "Command9",
                             "Text1", "Text26", "Label33", "Label5"}) {
      QVERIFY2(Find(QString::fromLatin1(name))->isVisible(), name);
    }
    auto* timer = Find<QTimer>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    // One shot at a time, aimed at the next change of the second.
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QVERIFY(timer->interval() <= 1000);
  }

  void stacking() {
    QWidget* client = window_->client();
    const QObjectList children = client->children();
    auto index = [&](const char* name) {
      return children.indexOf(Find(QString::fromLatin1(name)));
    };
    // Front to back: the panel; buttons, fields, frames, picture; labels.
    QCOMPARE(index("Frame4"), children.size() - 1);
    QVERIFY(index("Command10") > index("Command11"));
    QCOMPARE(index("Label32"), 0);
    QCOMPARE(index("Label5"), 1);
    int last_label = -1;
    int first_other = children.size();
    for (int i = 0; i < children.size(); ++i) {
      auto* widget = qobject_cast<QWidget*>(children[i]);
      if (widget == nullptr) continue;
      const bool is_label = qobject_cast<QLabel*>(widget) &&
                            widget->objectName() != QLatin1String("Picture1");
      if (is_label) {
        last_label = i;
      } else {
        first_other = std::min(first_other, i);
      }
    }
    QVERIFY(last_label < first_other);
    // The shown panel covers the left half of U2 and its caption.
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QWidget* panel = Find(QStringLiteral("Frame4"));
    panel->show();
    auto covered_by_panel = [&](const char* name, QPoint offset) {
      QWidget* widget = Find(QString::fromLatin1(name));
      QWidget* top = client->childAt(widget->mapTo(client, offset));
      return top == panel || panel->isAncestorOf(top);
    };
    QVERIFY(covered_by_panel("Text11", QPoint(5, 5)));
    QVERIFY(!covered_by_panel("Text11", QPoint(45, 5)));
    QVERIFY(covered_by_panel("Label17", QPoint(3, 3)));
    QVERIFY(covered_by_panel("Label34", QPoint(3, 3)));
    panel->hide();
    QVERIFY(!covered_by_panel("Text11", QPoint(5, 5)));
    // Command10 is the one that can be seen and clicked.
    QWidget* show_diagram = Find(QStringLiteral("Command10"));
    QCOMPARE(client->childAt(show_diagram->geometry().center()), show_diagram);
  }

  // Tab follows the window's tab order, skips what is hidden (the diagram)
  // and comes round to the start; from f1 it visits the toolbar before f2.
  void tabChain() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QStringList expected;
    for (const char* name : TabOrder()) {
      if (Find(QString::fromLatin1(name))->isVisible()) expected << name;
    }
    QVERIFY(!expected.contains("Picture1"));
    expected << expected.front();
    Find(expected.front())->setFocus();
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.front());
    for (qsizetype i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), expected[i]);
    }
    const qsizetype f1 = expected.indexOf("Text27");
    QCOMPARE(expected.mid(f1, 7),
             QStringList({"Text27", "Command1", "Command6", "Command2",
                          "Command4", "Text28", "Text29"}));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::MainWindowLayoutTest)
#include "main_window_layout_test.moc"

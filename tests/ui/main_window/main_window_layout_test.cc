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
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <limits>
#include <memory>

#include "design/transformer_design.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/window_layout.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/sharp_pictures.h"
#include "ui/widgets/wrapped_label.h"

namespace spulix {
namespace {

// 1440 twips an inch, 96 logical pixels an inch.
QRect Pixels(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

constexpr const char* kContainerNames[kContainerCount] = {
    "Form1Client", "Frame1", "Frame2", "Frame3", "Frame4", "Picture1"};

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

  // Every control of the layout table stands in its container where its
  // row says, shows its command's caption or its own, and has its colours.
  void controlsFollowTheTable() {
    for (const ControlRow& row : ControlRows()) {
      QWidget* widget = Find(QString::fromLatin1(row.name));
      QVERIFY2(widget, row.name);
      QCOMPARE(widget->parentWidget()->objectName(),
               QString::fromLatin1(kContainerNames[int(row.container)]));
      const QRect rect = Pixels(row.left, row.top, row.width, row.height);
      if (row.kind == ControlKind::kAutoLabel ||
          row.kind == ControlKind::kLinkLabel) {
        // Sized to the caption; figures stand inside the picture's border.
        const int inset = row.container == Container::kPicture1 ? 2 : 0;
        QCOMPARE(widget->pos(), rect.topLeft() + QPoint(inset, inset));
        QCOMPARE(widget->size(), widget->sizeHint());
      } else {
        QCOMPARE(widget->geometry(), rect);
      }
      QAction* command =
          row.command ? window_->commands().*row.command : nullptr;
      QString caption = QString::fromUtf8(row.caption);
      if (command) caption = command->text();
      if (auto* picture = qobject_cast<QToolButton*>(widget)) {
        // Picture buttons show their icon only; the caption is the tip.
        QCOMPARE(picture->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(picture->iconSize(), QSize(row.icon_pixels, row.icon_pixels));
        QVERIFY2(!picture->icon().isNull(), row.name);
        QCOMPARE(widget->toolTip(), caption);
        continue;
      }
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), caption);
      } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), caption);
      } else if (row.kind != ControlKind::kWrappedLabel &&
                 row.kind != ControlKind::kPicture) {
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
      }
      QCOMPARE(widget->toolTip(), QString::fromUtf8(row.tool_tip));
      if (row.text.source == Colour::Source::kRgb) {
        QCOMPARE(widget->palette().color(QPalette::WindowText),
                 ColourOf(row.text.rgb));
      }
      QCOMPARE(widget->autoFillBackground(),
               row.background.source != Colour::Source::kPlatform);
      if (row.background.source == Colour::Source::kRgb) {
        QCOMPARE(widget->palette().color(QPalette::Window),
                 ColourOf(row.background.rgb));
      }
    }
  }

  // Each field and its caption and unit labels stand where its row says:
  // the caption at the left, carrying the tool tip, the dark red unit at
  // the right. The field wears the style of its role and has no tool tip.
  void fieldsFollowTheTable() {
    const QLineEdit plain;
    for (const FieldRow& row : FieldRows()) {
      const FieldInfo& info = InfoOf(row.field);
      const FieldColumn& column = *row.column;
      auto* edit = Find<QLineEdit>(QString::fromLatin1(info.control));
      QVERIFY2(edit, info.control);
      QCOMPARE(edit->parentWidget()->objectName(),
               QString::fromLatin1(kContainerNames[int(column.container)]));
      QCOMPARE(edit->geometry(),
               Pixels(column.field_left, row.field_top, column.field_width,
                      column.field_height));
      auto* caption = Find<QLabel>(QString::fromLatin1(info.caption_label));
      QVERIFY2(caption, info.caption_label);
      QCOMPARE(caption->pos(),
               Pixels(row.caption_left, row.caption_top, 0, 0).topLeft());
      QCOMPARE(caption->size(), caption->sizeHint());
      auto* unit = Find<QLabel>(QString::fromLatin1(info.unit_label));
      QVERIFY2(unit, info.unit_label);
      const QRect box = Pixels(column.unit_left, row.field_top + 120,
                               row.unit_box_width, row.unit_box_height);
      QCOMPARE(unit->pos(), box.topLeft());
      QCOMPARE(unit->size(),
               row.unit_box_width > 0 ? box.size() : unit->sizeHint());
      QCOMPARE(caption->parentWidget(), edit->parentWidget());
      QCOMPARE(unit->parentWidget(), edit->parentWidget());
      QVERIFY(caption->geometry().right() < edit->geometry().left());
      QVERIFY(unit->geometry().left() > edit->geometry().right());
      QCOMPARE(caption->text(), QString::fromUtf8(info.caption));
      QCOMPARE(caption->toolTip(), QString::fromUtf8(info.tool_tip));
      QVERIFY(edit->toolTip().isEmpty());
      QVERIFY(edit->text().isEmpty());  // a new window starts empty
      QCOMPARE(unit->palette().color(QPalette::WindowText), ColourOf(0xC00000));

      const FieldStyle& style = StyleOf(info.role);
      QCOMPARE(edit->palette().color(QPalette::Base),
               ColourOf(style.background.rgb));
      QCOMPARE(edit->palette().color(QPalette::Text),
               style.text.source == Colour::Source::kRgb
                   ? ColourOf(style.text.rgb)
                   : plain.palette().color(QPalette::Text));
      const QFontInfo font(edit->font());
      QCOMPARE(font.family(),
               QString::fromLatin1(style.hei ? kHeiSubsetFamily
                                             : kSongSubsetFamily));
      QCOMPARE(font.pixelSize(), style.pixel_size);
      QCOMPARE(font.bold(), style.bold);
      QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
      // No length limit: a text far beyond QLineEdit's default stays whole.
      QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
    }
    const QString long_text(40000, QLatin1Char('7'));
    window_->field(Field::kInputPower)->setText(long_text);  // no reaction
    QCOMPARE(window_->field(Field::kInputPower)->text(), long_text);
  }

  // A few places, sizes and captions worked out by hand, in pixels: they
  // catch a wrong conversion that the table walks above would share.
  void spotValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");       // empty size: sized to the caption
    QTest::addColumn<QString>("caption");  // text, or tool tip of an icon
    QTest::newRow("print") << "Command4" << QRect(0, 0, 49, 33) << "打印";
    QTest::newRow("exit") << "Command1" << QRect(736, 0, 41, 33) << "退出";
    QTest::newRow("sample") << "Command9" << QRect(289, 2, 43, 29) << "测试";
    QTest::newRow("P2") << "Text1" << QRect(120, 168, 89, 33) << "";
    QTest::newRow("f2 in its frame") << "Text28" << QRect(72, 40, 49, 25) << "";
    QTest::newRow("P2's caption")
        << "Label1" << QRect(16, 176, 84, 14) << "变压器输出功率";
    QTest::newRow("S's unit box")
        << "Label39" << QRect(216, 272, 32, 28) << "平方厘米";
    QTest::newRow("width on the picture")
        << "Label66" << QRect(50, 10, 0, 0) << "";
    QTest::newRow("efficiency link")
        << "Label69" << QRect(16, 24, 0, 0) << "变压器效率表...η";
    QTest::newRow("N0's caption")
        << "Label10" << QRect(16, 432, 96, 14) << "每伏电压应绕匝数";
    QTest::newRow("status line") << "Label33" << QRect(24, 16, 281, 17) << "";
  }
  void spotValues() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QWidget* widget = Find(name);
    QVERIFY(widget);
    QCOMPARE(widget->pos(), rect.topLeft());
    if (!rect.size().isEmpty()) QCOMPARE(widget->size(), rect.size());
    const auto* label = qobject_cast<QLabel*>(widget);
    const auto* button = qobject_cast<QPushButton*>(widget);
    QCOMPARE(label    ? label->text()
             : button ? button->text()
                      : widget->toolTip(),
             caption);
  }

  // The figures on the diagram grow to the right with their text, on one
  // line, inside the picture's border.
  void diagramFigures() {
    auto* picture = Find<QLabel>(QStringLiteral("Picture1"));
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 191, 128));
    QCOMPARE(picture->pixmap().size(), QSize(191, 128));
    auto* width_figure = Find<QLabel>(QStringLiteral("Label66"));
    QCOMPARE(width_figure->palette().color(QPalette::Window),
             ColourOf(0xD6D2D7));
    QVERIFY(width_figure->text().isEmpty());
    window_->store().SetCaption(Caption::kWidthFigure, "6");
    const QRect one_digit = width_figure->geometry();
    window_->store().SetCaption(Caption::kWidthFigure, "1234.56");
    QCOMPARE(width_figure->text(), QStringLiteral("1234.56"));
    QVERIFY(width_figure->width() >=
            width_figure->fontMetrics().horizontalAdvance("1234.56"));
    QCOMPARE(width_figure->pos(), one_digit.topLeft());
    QCOMPARE(width_figure->height(), one_digit.height());
    QVERIFY(width_figure->width() > one_digit.width());
  }

  void frames() {
    QCOMPARE(Find<QGroupBox>(QStringLiteral("Frame1"))->title(),
             QStringLiteral("初级绕组绝缘:"));
    QCOMPARE(Find<QGroupBox>(QStringLiteral("Frame2"))->title(),
             QStringLiteral("次级绕组绝缘:"));
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
    QVERIFY(!window_->windowIcon().isNull());
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

  // The toolbar's picture buttons, left to right, name their commands in
  // their tool tips; a field's formula is on its caption.
  void toolTips() {
    QList<QToolButton*> buttons =
        window_->client()->findChildren<QToolButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QStringList tips;
    for (QToolButton* button : buttons) tips << button->toolTip();
    QCOMPARE(tips, QStringList({"打印", "刷新", "清空", "查询", "计算器",
                                "关于", "退出"}));
    QCOMPARE(Find(QStringLiteral("Label10"))->toolTip(),
             QStringLiteral("N0=450000/Bm*S"));
  }

  // Looks worked out by hand, which the table walks above would share.
  void spotStyles() {
    const QLineEdit* p2 = window_->field(Field::kOutputPower);
    QCOMPARE(QFontInfo(p2->font()).family(),
             QString::fromLatin1(kHeiSubsetFamily));
    QCOMPARE(p2->font().pixelSize(), 19);
    QVERIFY(p2->font().bold());
    QCOMPARE(p2->palette().color(QPalette::Base), ColourOf(0x00C000));
    const QLineEdit* p1 = window_->field(Field::kInputPower);
    QCOMPARE(QFontInfo(p1->font()).family(),
             QString::fromLatin1(kSongSubsetFamily));
    QVERIFY(!p1->font().bold());
    QCOMPARE(p1->palette().color(QPalette::Base), ColourOf(0x000000));
    QCOMPARE(window_->field(Field::kPrimaryOuterInsulation)->font().pixelSize(),
             16);
    QCOMPARE(Find<QToolButton>(QStringLiteral("Command1"))->iconSize(),
             QSize(20, 20));
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

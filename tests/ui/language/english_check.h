// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a window shown in English: no Chinese left (user data aside), no
// caption wider than its control, and no two controls overlapping that do
// not overlap in the Chinese window.
#ifndef SPULIX_TESTS_UI_LANGUAGE_ENGLISH_CHECK_H_
#define SPULIX_TESTS_UI_LANGUAGE_ENGLISH_CHECK_H_

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QWidget>
#include <set>
#include <utility>

#include "ui/widgets/wrapped_label.h"

namespace spulix {

inline bool HasChinese(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) {
      return true;
    }
  }
  return false;
}

using Overlaps = std::set<std::pair<QString, QString>>;

// Pairs of named sibling controls, both visible, whose rectangles overlap.
inline Overlaps OverlapsOf(const QWidget& window) {
  Overlaps overlaps;
  QList<const QWidget*> parents{&window};
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    parents << child;
  }
  for (const QWidget* parent : parents) {
    const QList<QWidget*> children =
        parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* a : children) {
      for (const QWidget* b : children) {
        if (a->objectName() < b->objectName() && !a->isHidden() &&
            !b->isHidden() && !a->objectName().isEmpty() &&
            a->geometry().intersects(b->geometry())) {
          overlaps.emplace(a->objectName(), b->objectName());
        }
      }
    }
  }
  return overlaps;
}

// What is wrong with `window` in English, one line each; `chinese` are the
// overlaps of the same window in Chinese. Menus named `bilingual` name
// themselves in both languages and are left alone.
inline QStringList EnglishFaults(const QWidget& window, const Overlaps& chinese,
                                 const QString& bilingual = QString()) {
  QStringList faults;
  const auto check_text = [&faults](const QString& where, const QString& text) {
    if (HasChinese(text)) faults << where + ": Chinese left: " + text;
  };
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (qobject_cast<const QLineEdit*>(widget)) continue;  // user data
    const QString name = widget->objectName();
    check_text(name + " tool tip", widget->toolTip());
    check_text(name + " title", widget->windowTitle());
    if (auto* menu = qobject_cast<const QMenu*>(widget)) {
      if (!bilingual.isEmpty() && name == bilingual) continue;
      check_text(name, menu->title());
      for (const QAction* item : menu->actions()) {
        if (item->menu() && item->menu()->objectName() == bilingual) continue;
        check_text(name + " item", item->text());
      }
      continue;
    }
    QString caption;
    int room = widget->width();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) {
      caption = frame->title();
      room -= 16;
    } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      // A picture button shows its command's icon, not its text.
      const auto* tool = qobject_cast<const QToolButton*>(widget);
      if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) continue;
      caption = button->text();
      room -= 4;
    } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
      caption = label->text();
      if (label->textFormat() == Qt::RichText) {
        // A laid-out table or paragraph: its markup is not what it shows.
        check_text(name,
                   QTextDocumentFragment::fromHtml(caption).toPlainText());
        if (!label->isHidden() && label->sizeHint().width() > room) {
          faults << QStringLiteral("%1: needs %2 px, has %3")
                        .arg(name)
                        .arg(label->sizeHint().width())
                        .arg(room);
        }
        continue;
      }
    }
    check_text(name, caption);
    if (caption.isEmpty() || widget->isHidden()) continue;
    const QFontMetrics metrics = widget->fontMetrics();
    // dynamic_cast: WrappedLabel has no meta-object of its own.
    const bool wraps = dynamic_cast<const WrappedLabel*>(widget) != nullptr ||
                       (qobject_cast<const QLabel*>(widget) &&
                        static_cast<const QLabel*>(widget)->wordWrap());
    // A wrapping label needs room for its longest word only.
    for (const QString& part :
         wraps ? caption.split(u' ') : QStringList{caption}) {
      const int needed = metrics.horizontalAdvance(part);
      if (needed > room) {
        faults << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                      .arg(name, part)
                      .arg(needed)
                      .arg(room);
      }
    }
  }
  for (const auto& [a, b] : OverlapsOf(window)) {
    if (chinese.count({a, b}) == 0) faults << a + " overlaps " + b;
  }
  return faults;
}

}  // namespace spulix

#endif  // SPULIX_TESTS_UI_LANGUAGE_ENGLISH_CHECK_H_

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_choices_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "design/parts/steel_grades.h"
#include "design/rectifier/dc_load.h"
#include "design/sheet/dc_winding.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"

namespace spulix {
namespace {

constexpr const char* kContext = "spulix::SheetWindow";

template <typename Widget>
Widget* Captioned(const char* name, const char* text, QWidget* parent) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  SetTranslatedText(widget, kContext, text);
  return widget;
}

// 全波 and 正负 take their halves from the tap: the sheet sets it.
bool TapForcedByLoad(const SheetChoices& choices) {
  const std::optional<RectifierKind> kind =
      RectifierOf(choices.secondaries.main().load.kind);
  return kind && IsCentreTapped(*kind);
}

}  // namespace

SheetChoicesBox::SheetChoicesBox(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("SheetChoices"));
  SetTranslatedText(this, kContext,
                    QT_TRANSLATE_NOOP("spulix::SheetWindow", "选择"));
  enamel_ = new QComboBox(this);
  enamel_->setObjectName(QStringLiteral("EnamelGrade"));
  enamel_->addItems({QString(), QString()});
  // As wide as its items in the language shown.
  enamel_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  steel_ = new QComboBox(this);
  steel_->setObjectName(QStringLiteral("SteelGrade"));
  for (const SteelGrade& grade : SteelGrades()) {
    steel_->addItem(ToQString(grade.name));
  }
  stack_ = new QLineEdit(this);
  stack_->setObjectName(QStringLiteral("StackAsBuilt"));
  stack_->setMaximumWidth(90);
  SetTranslatedText(
      stack_, kContext,
      QT_TRANSLATE_NOOP("spulix::SheetWindow",
                        "铁心实际迭的厚度（毫米）；填写后绕制单按它计算匝数"),
      TextRole::kToolTip);
  center_tap_ = Captioned<QCheckBox>(
      "CenterTap", QT_TRANSLATE_NOOP("spulix::SheetWindow", "次级1 带中心抽头"),
      this);
  full_load_turns_ = Captioned<QCheckBox>(
      "FullLoadTurns",
      QT_TRANSLATE_NOOP("spulix::SheetWindow", "按满载电压定匝数"), this);
  SetTranslatedText(
      full_load_turns_, kContext,
      QT_TRANSLATE_NOOP("spulix::SheetWindow",
                        "每个次级取满载电压达到所要电压的最少匝数，"
                        "而不是主窗口多绕的 5%"),
      TextRole::kToolTip);

  auto* form = new QFormLayout(this);
  const auto add_row = [&](const char* name, const char* caption,
                           QWidget* field) {
    auto* label = Captioned<QLabel>(name, caption, this);
    label->setBuddy(field);
    form->addRow(label, field);
  };
  add_row("EnamelCaption",
          QT_TRANSLATE_NOOP("spulix::SheetWindow", "漆包线漆膜："), enamel_);
  add_row("SteelCaption",
          QT_TRANSLATE_NOOP("spulix::SheetWindow", "硅钢片牌号："), steel_);
  add_row("StackCaption",
          QT_TRANSLATE_NOOP("spulix::SheetWindow", "实际迭厚（毫米）："),
          stack_);
  form->addRow(center_tap_);
  form->addRow(full_load_turns_);

  connect(enamel_, &QComboBox::currentIndexChanged, this,
          &SheetChoicesBox::Edited);
  connect(steel_, &QComboBox::currentIndexChanged, this,
          &SheetChoicesBox::Edited);
  connect(stack_, &QLineEdit::textEdited, this, &SheetChoicesBox::Edited);
  connect(center_tap_, &QCheckBox::toggled, this, &SheetChoicesBox::Edited);
  connect(full_load_turns_, &QCheckBox::toggled, this,
          &SheetChoicesBox::Edited);
  Retranslate();
}

void SheetChoicesBox::Show(const SheetChoices& choices) {
  {
    const QSignalBlocker block(enamel_);
    enamel_->setCurrentIndex(choices.enamel_grade == 1 ? 0 : 1);
  }
  {
    // A grade this Spulix does not ship (a file from elsewhere) is shown
    // as it is; the sheet names it.
    const QSignalBlocker block(steel_);
    const QString steel = ToQString(choices.steel);
    if (steel_->findText(steel) < 0) steel_->addItem(steel);
    steel_->setCurrentIndex(steel_->findText(steel));
  }
  {
    const QSignalBlocker block(center_tap_);
    const bool forced = TapForcedByLoad(choices);
    center_tap_->setChecked(forced || choices.secondaries.main().center_tap);
    center_tap_->setEnabled(!forced);
    ShowTapTip();
  }
  {
    const QSignalBlocker block(full_load_turns_);
    full_load_turns_->setChecked(choices.full_load_turns);
  }
  // Typing keeps its text (and cursor) while it is the design's.
  if (stack_->text().toStdString() != choices.stack_mm) {
    stack_->setText(ToQString(choices.stack_mm));
  }
}

void SheetChoicesBox::TakeInto(SheetChoices& choices) const {
  choices.enamel_grade = enamel_->currentIndex() == 0 ? 1 : 2;
  choices.steel = steel_->currentText().toStdString();
  // A tap the load forces is not the user's: theirs comes back with AC.
  if (center_tap_->isEnabled()) {
    choices.secondaries.main().center_tap = center_tap_->isChecked();
  }
  choices.full_load_turns = full_load_turns_->isChecked();
  choices.stack_mm = stack_->text().trimmed().toStdString();
}

void SheetChoicesBox::Retranslate() {
  enamel_->setItemText(
      0, QCoreApplication::translate("spulix::SheetWindow", "一级（薄漆膜）"));
  enamel_->setItemText(
      1, QCoreApplication::translate("spulix::SheetWindow", "二级（厚漆膜）"));
  stack_->setPlaceholderText(
      QCoreApplication::translate("spulix::SheetWindow", "按计算值"));
  ShowTapTip();
}

void SheetChoicesBox::ShowTapTip() {
  center_tap_->setToolTip(
      center_tap_->isEnabled()
          ? QString()
          : QCoreApplication::translate(
                "spulix::SheetWindow",
                "全波和正负整流要用中心抽头：绕制单已设定"));
}

}  // namespace spulix

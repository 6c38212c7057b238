// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/core_rating_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "design/design.h"
#include "design/parts/core_selection.h"
#include "design/transformer_design.h"
#include "ui/language/translated_text.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"
#include "ui/store/qt_text.h"
#include "ui/store/user_cores.h"
#include "ui/widgets/follow_design.h"
#include "ui/widgets/tool_button.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

constexpr const char* kContext = "spulix::CoreRatingBox";

}  // namespace

CoreRatingBox::CoreRatingBox(QtFieldStore& store, DesignSheetChoices& choices,
                             UserCores& cores, QWidget* parent)
    : QWidget(parent), store_(&store), choices_(&choices), cores_(&cores) {
  setObjectName(QStringLiteral("CoreRatingBox"));
  auto* caption = new QLabel(this);
  caption->setObjectName(QStringLiteral("RatingCaption"));
  SetTranslatedText(
      caption, kContext,
      QT_TRANSLATE_NOOP("spulix::CoreRatingBox", "这个铁心能做多大："));
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  core_ = new QComboBox(this);
  core_->setObjectName(QStringLiteral("RatedCore"));
  core_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  answer_ = new QLabel(this);
  answer_->setObjectName(QStringLiteral("RatingAnswer"));
  answer_->setWordWrap(true);
  answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(caption);
  row->addWidget(core_);
  row->addWidget(answer_, 1);
  use_ = AddToolButton(
      row, kContext, "UseRating",
      QT_TRANSLATE_NOOP("spulix::CoreRatingBox", "按此功率设计"), this);
  SetTranslatedText(
      use_, kContext,
      QT_TRANSLATE_NOOP("spulix::CoreRatingBox",
                        "把这只铁心填入主窗口，输出功率 P2 设为最大值，"
                        "绕制单按实际迭厚绕制"),
      TextRole::kToolTip);

  FollowAfterPause(refresh_, this, [this] { Refresh(); });
  connect(&store, &QtFieldStore::FieldChanged, &refresh_,
          qOverload<>(&QTimer::start));
  connect(&choices, &DesignSheetChoices::Changed, &refresh_,
          qOverload<>(&QTimer::start));
  connect(&cores, &UserCores::Changed, this, [this] {
    ShowCores();
    refresh_.start();
  });
  connect(core_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(use_, &QPushButton::clicked, this, &CoreRatingBox::UseRating);
  ShowCores();
  Refresh();
}

std::optional<CoreEntry> CoreRatingBox::DesignCore() const {
  if (store_.isNull()) return std::nullopt;
  CoreEntry core;
  core.name = tr("主窗口的铁心").toStdString();
  for (auto [field, mm] : {std::pair{Field::kWindowHeight, &core.h_mm},
                           std::pair{Field::kWindowWidth, &core.c_mm},
                           std::pair{Field::kTongueWidth, &core.a_mm}}) {
    const std::optional<double> value = ReadStrictOrNone(store_->Text(field));
    if (!value || !(*value > 0)) return std::nullopt;
    *mm = *value;
  }
  return core;
}

std::optional<CoreEntry> CoreRatingBox::ChosenCore() const {
  const int index = core_->currentIndex();
  if (index <= 0) return DesignCore();
  const auto row = static_cast<std::size_t>(index - 1);
  if (cores_.isNull() || row >= cores_->catalogue().cores().size()) {
    return std::nullopt;
  }
  return cores_->catalogue().cores()[row];
}

void CoreRatingBox::ShowCores() {
  const QSignalBlocker block(core_);
  const QString chosen = core_->currentText();
  core_->clear();
  core_->addItem(tr("主窗口的铁心"));
  if (!cores_.isNull()) {
    for (const CoreEntry& core : cores_->catalogue().cores()) {
      core_->addItem(ToQString(core.name));
    }
  }
  core_->setCurrentIndex(std::max(0, core_->findText(chosen)));
}

void CoreRatingBox::Refresh() {
  refresh_.stop();
  rated_core_ = ChosenCore();
  rating_.reset();
  if (rated_core_ && !store_.isNull() && !choices_.isNull()) {
    rating_ = RateCore(CopyTexts(*store_), choices_->choices(), *rated_core_);
  }
  ShowAnswer();
}

void CoreRatingBox::ShowAnswer() {
  const bool rated = rating_ && rating_->p2_w;
  use_->setEnabled(rated);
  QString text;
  if (!rated_core_) {
    text = tr("主窗口还没有铁心");
  } else if (!rating_) {
    text.clear();
  } else if (rated) {
    const QString stack =
        choices_.isNull() || IsEmptyText(choices_->choices().stack_mm)
            ? tr("按计算迭厚")
            : tr("实际迭厚 %1 毫米")
                  .arg(ToQString(choices_->choices().stack_mm));
    text = tr("最大输出功率 %1 瓦（%2）").arg(*rating_->p2_w).arg(stack);
  } else {
    text = tr("没有能绕得下的功率：%1").arg(Composed(rating_->why_none));
  }
  answer_->setText(text);
  answer_->setStyleSheet(
      rated ? QString() : verdict_palette::TextStyle(verdict_palette::kBad));
}

void CoreRatingBox::Retranslate() {
  const QSignalBlocker block(core_);
  core_->setItemText(0, tr("主窗口的铁心"));
  ShowAnswer();
}

void CoreRatingBox::UseRating() {
  if (refresh_.isActive()) Refresh();
  if (!rating_ || !rating_->p2_w || !rated_core_ || store_.isNull()) return;
  const CoreEntry core = *rated_core_;
  const int watts = *rating_->p2_w;
  if (core_->currentIndex() > 0) FillCore(*store_, core);
  // Typing P2 runs the calculation, as in the main window.
  store_->SetText(Field::kOutputPower, std::to_string(watts));
}

}  // namespace spulix

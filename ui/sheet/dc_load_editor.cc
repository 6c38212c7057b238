// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/dc_load_editor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "design/design_commands.h"
#include "design/transformer_design.h"
#include "present/dc_figures_text.h"
#include "ui/language/translated_text.h"
#include "ui/sheet/rectifier_plot.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"
#include "ui/store/qt_text.h"
#include "ui/store/user_cores.h"
#include "ui/widgets/follow_design.h"
#include "ui/widgets/tool_button.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

constexpr const char* kContext = "spulix::DcLoadEditor";

// The kinds in the order of the choice's items.
constexpr LoadKind kKinds[] = {LoadKind::kAc, LoadKind::kBridge,
                               LoadKind::kFullWave, LoadKind::kSplit};

QLineEdit* AddField(QHBoxLayout* row, const char* name, const char* caption,
                    QWidget* parent) {
  auto* label = new QLabel(parent);
  SetTranslatedText(label, kContext, caption);
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaximumWidth(64);
  label->setBuddy(field);
  row->addSpacing(8);
  row->addWidget(label);
  row->addWidget(field);
  return field;
}

}  // namespace

DcLoadEditor::DcLoadEditor(QtFieldStore& store, DesignSheetChoices& choices,
                           UserCores& cores, QWidget* parent)
    : QWidget(parent), store_(&store), choices_(&choices), cores_(&cores) {
  setObjectName(QStringLiteral("DcLoadEditor"));
  // One row of controls; the figures and the plot only for a DC load, so
  // an AC design keeps the sheet's room.
  auto* row = new QHBoxLayout;
  auto* kind_caption = new QLabel(this);
  SetTranslatedText(
      kind_caption, kContext,
      QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "次级1 的负载："));
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("DcLoadKind"));
  kind_->addItems({QString(), QString(), QString(), QString()});
  kind_caption->setBuddy(kind_);
  row->addWidget(kind_caption);
  row->addWidget(kind_);
  udc_ = AddField(row, "DcVoltage",
                  QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "Udc（伏）"), this);
  idc_ = AddField(row, "DcCurrent",
                  QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "Idc（安）"), this);
  c_uf_ =
      AddField(row, "DcCapacitance",
               QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "C（微法）"), this);
  vf_ = AddField(row, "DcDiodeDrop",
                 QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "Vf（伏）"), this);
  row->addSpacing(8);
  apply_ = AddToolButton(
      row, kContext, "ApplyDcLoad",
      QT_TRANSLATE_NOOP("spulix::DcLoadEditor", "按直流负载设定 U2、P2"), this);
  SetTranslatedText(apply_, kContext,
                    QT_TRANSLATE_NOOP("spulix::DcLoadEditor",
                                      "把求得的 U2 和 P2 填入主窗口并重新计算"),
                    TextRole::kToolTip);
  row->addStretch();

  figures_ = new QLabel(this);
  figures_->setObjectName(QStringLiteral("DcFigures"));
  figures_->setTextFormat(Qt::RichText);
  figures_->setWordWrap(true);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  plot_ = new RectifierPlot(this);
  auto* results = new QHBoxLayout;
  results->addWidget(figures_, 1, Qt::AlignTop);
  results->addWidget(plot_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addLayout(results);

  FollowAfterPause(refresh_, this, [this] { Refresh(); });
  connect(&store, &QtFieldStore::FieldChanged, &refresh_,
          qOverload<>(&QTimer::start));
  connect(&cores, &UserCores::Changed, &refresh_, qOverload<>(&QTimer::start));
  connect(&choices, &DesignSheetChoices::Changed, this, [this] {
    ShowLoad();
    refresh_.start();
  });
  connect(kind_, &QComboBox::currentIndexChanged, this,
          &DcLoadEditor::TakeLoad);
  for (QLineEdit* field : {udc_, idc_, c_uf_, vf_}) {
    connect(field, &QLineEdit::textEdited, this, &DcLoadEditor::TakeLoad);
  }
  connect(apply_, &QPushButton::clicked, this, &DcLoadEditor::ApplyToDesign);
  Retranslate();
  ShowLoad();
  Refresh();
}

void DcLoadEditor::Retranslate() {
  const QStringList kinds = {tr("交流"), tr("桥式"), tr("全波"), tr("正负")};
  for (int i = 0; i < kinds.size(); ++i) kind_->setItemText(i, kinds[i]);
  c_uf_->setPlaceholderText(tr("默认"));
  vf_->setPlaceholderText(tr("0.8"));
  ShowOutcome();
}

void DcLoadEditor::ShowLoad() {
  if (choices_.isNull()) return;
  const SecondaryLoad& load = choices_->choices().secondaries.main().load;
  const QSignalBlocker block(kind_);
  for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i) {
    if (kKinds[i] == load.kind) kind_->setCurrentIndex(i);
  }
  // Texts only where they differ: the cursor of the field typed in stays.
  const std::pair<QLineEdit*, const std::string*> fields[] = {
      {udc_, &load.udc},
      {idc_, &load.idc},
      {c_uf_, &load.c_uf},
      {vf_, &load.vf}};
  const bool dc = load.kind != LoadKind::kAc;
  for (const auto& [field, text] : fields) {
    if (field->text() != ToQString(*text)) field->setText(ToQString(*text));
    field->setEnabled(dc);
  }
}

void DcLoadEditor::TakeLoad() {
  if (choices_.isNull()) return;
  SheetChoices choices = choices_->choices();
  SecondaryLoad& load = choices.secondaries.main().load;
  load.kind = kKinds[std::max(0, kind_->currentIndex())];
  load.udc = udc_->text().trimmed().toStdString();
  load.idc = idc_->text().trimmed().toStdString();
  load.c_uf = c_uf_->text().trimmed().toStdString();
  load.vf = vf_->text().trimmed().toStdString();
  choices_->Set(choices);
}

void DcLoadEditor::Refresh() {
  refresh_.stop();
  outcome_.reset();
  if (!store_.isNull() && !choices_.isNull() && !cores_.isNull() &&
      choices_->choices().secondaries.main().load.kind != LoadKind::kAc) {
    outcome_ = SolveMainDcLoad(CopyTexts(*store_), choices_->choices(),
                               cores_->catalogue().cores());
  }
  ShowOutcome();
}

void DcLoadEditor::ShowOutcome() {
  const auto* found =
      outcome_ ? std::get_if<MainDcSolution>(&*outcome_) : nullptr;
  apply_->setEnabled(found != nullptr);
  setToolTip(QString());
  figures_->setVisible(outcome_.has_value());
  plot_->setVisible(found != nullptr);
  if (!outcome_) {
    figures_->setText(tr("交流负载：U2 与 P2 按主窗口填写的计算"));
    figures_->setStyleSheet(QString());
    plot_->SetHalfCycle({});
    return;
  }
  if (!found) {
    figures_->setText(Composed(std::get<UserText>(*outcome_)).toHtmlEscaped());
    figures_->setStyleSheet(verdict_palette::TextStyle(verdict_palette::kBad));
    plot_->SetHalfCycle({});
    return;
  }
  figures_->setStyleSheet(QString());
  QString html = tr("求得 U2 = %1 伏，P2 = %2 瓦（铁心 %3，%4 轮）")
                     .arg(ToQString(found->u2_text), ToQString(found->p2_text),
                          ToQString(found->core))
                     .arg(found->rounds)
                     .toHtmlEscaped();
  // Rows centred: a value in Latin type alone ("45°") would otherwise sit
  // higher than its caption in Chinese type.
  html += QStringLiteral("<table>");
  for (const auto& [caption, value] :
       DcFigureTexts(found->figures, CurrentTranslation())) {
    html += QStringLiteral(
                "<tr><td valign=middle>%1</td>"
                "<td valign=middle>&nbsp;%2</td></tr>")
                .arg(ToQString(caption).toHtmlEscaped(),
                     ToQString(value).toHtmlEscaped());
  }
  html += QStringLiteral("</table>");
  figures_->setText(html);
  const auto* state = std::get_if<RectifierSteadyState>(&found->figures.result);
  plot_->SetHalfCycle(state ? state->half_cycle
                            : std::vector<RectifierSample>());
}

void DcLoadEditor::ApplyToDesign() {
  // The answer must be for the design and load as they stand.
  if (refresh_.isActive()) Refresh();
  const auto* found =
      outcome_ ? std::get_if<MainDcSolution>(&*outcome_) : nullptr;
  if (!found || store_.isNull() || choices_.isNull()) return;
  // Copies: the calculation's messages may run the event loop.
  const std::string u2 = found->u2_text;
  const std::string p2 = found->p2_text;
  store_->SetText(Field::kOutputVoltage, u2);
  // Typing P2 runs the calculation, as in the main window; an unchanged
  // P2 runs none, so 刷新 does.
  if (!store_->SetText(Field::kOutputPower, p2)) {
    PressDesignButton(*store_, *choices_, DesignButton::kRefresh);
  }
}

}  // namespace spulix

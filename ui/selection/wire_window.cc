// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/wire_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "design/field_reactions.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/wire_table.h"
#include "ui/language/translated_text.h"
#include "ui/selection/wire_table_model.h"
#include "ui/store/qt_field_store.h"
#include "ui/widgets/tool_button.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

// "d1 = 0.84 毫米 → 0.850 毫米", or why there is no standard size.
QString Line(const char* symbol, const std::string& text) {
  const QString head = QStringLiteral("%1 = %2").arg(
      QString::fromLatin1(symbol),
      text.empty() ? WireWindow::tr("（空）") : QString::fromStdString(text));
  if (const auto next = NextStandardWire(std::string_view(text))) {
    return head + WireWindow::tr(" 毫米 → 标准线径 %1 毫米")
                      .arg(QString::fromStdString(
                          StandardWires()[*next].nominal_text));
  }
  return head + WireWindow::tr("：没有对应的标准线径");
}

constexpr const char* kContext = "spulix::WireWindow";

}  // namespace

WireWindow::WireWindow(QtFieldStore& store)
    : SelectionWindowBase("WireWindow",
                          QT_TRANSLATE_NOOP("SelectionWindows", "标准漆包线")),
      store_(&store) {
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("WireSummary"));

  model_ = new WireTableModel(this);
  table_ = MakeSelectionTable(model_, "WireTable", this);

  auto* source = new QLabel(this);
  SetTranslatedText(
      source, kContext,
      QT_TRANSLATE_NOOP(
          "spulix::WireWindow",
          "直径单位为毫米。圆漆包铜线，标称直径按 IEC 60317 / GB/T "
          "6109（一级漆膜即 "
          "QZ-1 薄漆膜，二级即 QZ-2 厚漆膜）。0.71 毫米及以下的外径"
          "可信度高，以上为中等；0.53 毫米起的 R40 中间规格未查到外径，"
          "以灰色“≤”给出上限（取下一个规格的外径），绕制单也按它计算。"));
  source->setObjectName(QStringLiteral("WireSource"));
  source->setWordWrap(true);
  source->setStyleSheet(verdict_palette::TextStyle(verdict_palette::kNote));

  auto* buttons = new QHBoxLayout;
  for_d1_ =
      AddToolButton(buttons, kContext, "UseForD1",
                    QT_TRANSLATE_NOOP("spulix::WireWindow", "用于 d1"), this);
  for_d2_ =
      AddToolButton(buttons, kContext, "UseForD2",
                    QT_TRANSLATE_NOOP("spulix::WireWindow", "用于 d2"), this);
  buttons->addStretch();
  QPushButton* close =
      AddToolButton(buttons, kContext, "CloseWires",
                    QT_TRANSLATE_NOOP("spulix::WireWindow", "关闭"), this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addWidget(source);
  layout->addLayout(buttons);

  connect(for_d1_, &QPushButton::clicked, this,
          [this] { UseFor(Field::kPrimaryWireDiameter); });
  connect(for_d2_, &QPushButton::clicked, this,
          [this] { UseFor(Field::kSecondaryWireDiameter); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &WireWindow::Refresh);
  connect(&store, &QtFieldStore::FieldChanged, this, [this](Field field) {
    if (field == Field::kPrimaryWireDiameter ||
        field == Field::kSecondaryWireDiameter) {
      refresh_.start();
    }
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged,
          this, [this] {
            if (!placing_) picked_ = true;
          });
  Refresh();
  table_->resizeColumnsToContents();
  table_->setFocus();
  resize(560, 520);
}

void WireWindow::Refresh() {
  refresh_.stop();
  if (store_.isNull()) return;
  const std::string d1 = store_->Text(Field::kPrimaryWireDiameter);
  const std::string d2 = store_->Text(Field::kSecondaryWireDiameter);
  const auto mark_d1 = NextStandardWire(std::string_view(d1));
  const auto mark_d2 = NextStandardWire(std::string_view(d2));
  if (mark_d1 != model_->mark_d1() || mark_d2 != model_->mark_d2()) {
    // New marks: the buttons follow them again until the user picks a row.
    model_->SetMarks(mark_d1, mark_d2);
    picked_ = false;
    placed_ = false;
  }
  summary_->setText(Line("d1", d1) + tr("；  ") + Line("d2", d2));
  if (!placed_ && isVisible()) PlaceMarks();
}

void WireWindow::Retranslate() {
  model_->Retranslate();
  Refresh();
  // The columns fit the new texts; the last one fills the rest again.
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setStretchLastSection(true);
}

void WireWindow::showEvent(QShowEvent* event) {
  SelectionWindowBase::showEvent(event);
  // Once the table has its size.
  QTimer::singleShot(0, this, [this] {
    if (!placed_) PlaceMarks();
  });
}

void WireWindow::PlaceMarks() {
  if (!model_->mark_d1() && !model_->mark_d2()) return;
  placed_ = true;
  const std::size_t d1 = model_->mark_d1().value_or(*model_->mark_d2());
  const std::size_t d2 = model_->mark_d2().value_or(d1);
  placing_ = true;
  table_->setCurrentIndex(model_->index(static_cast<int>(d1), 0));
  placing_ = false;
  // Both marks in view where the window is tall enough; the selected one
  // in any case.
  table_->scrollTo(model_->index(static_cast<int>((d1 + d2) / 2), 0),
                   QAbstractItemView::PositionAtCenter);
  table_->scrollTo(model_->index(static_cast<int>(d2), 0),
                   QAbstractItemView::EnsureVisible);
  table_->scrollTo(model_->index(static_cast<int>(d1), 0),
                   QAbstractItemView::EnsureVisible);
}

std::optional<std::size_t> WireWindow::RowFor(Field field) const {
  const QModelIndex current = table_->currentIndex();
  if (picked_ && current.isValid()) {
    return static_cast<std::size_t>(current.row());
  }
  const auto mark = field == Field::kPrimaryWireDiameter ? model_->mark_d1()
                                                         : model_->mark_d2();
  if (mark) return mark;
  if (current.isValid()) return static_cast<std::size_t>(current.row());
  return std::nullopt;
}

void WireWindow::UseFor(Field field) {
  const std::optional<std::size_t> row = RowFor(field);
  if (!row || store_.isNull()) return;
  const StandardWire& wire = StandardWires()[*row];
  FieldStore& store = *store_;
  store.SetText(field, DimensionText(wire.nominal_mm));
  OnFieldDoubleClicked(store, field);
}

}  // namespace spulix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "design/parts/core_selection.h"
#include "design/sheet/core_search.h"
#include "design/sheet/extra_secondaries.h"
#include "design/sheet/stale_results.h"
#include "design/sheet/winding_sheet.h"
#include "present/sheet_text.h"
#include "ui/language/translated_text.h"
#include "ui/placement/beside_window.h"
#include "ui/sheet/core_rating_box.h"
#include "ui/sheet/dc_load_editor.h"
#include "ui/sheet/load_kind_delegate.h"
#include "ui/sheet/sheet_choices_box.h"
#include "ui/sheet/sheet_html.h"
#include "ui/sheet/sheet_parts.h"
#include "ui/sheet/sheet_table_model.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"
#include "ui/store/qt_text.h"
#include "ui/store/user_cores.h"
#include "ui/widgets/coil_section_view.h"
#include "ui/widgets/follow_design.h"
#include "ui/widgets/load_curve_view.h"
#include "ui/widgets/tool_button.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

constexpr const char* kContext = "spulix::SheetWindow";

QPushButton* AddButton(QBoxLayout* row, const char* name, const char* text,
                       QWidget* parent) {
  return AddToolButton(row, kContext, name, text, parent);
}

// A caption that follows the language.
template <typename Widget>
Widget* Captioned(const char* name, const char* text, QWidget* parent) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  SetTranslatedText(widget, kContext, text);
  return widget;
}

using sheet_parts::AddLabel;
using sheet_parts::ExtrasOf;
using sheet_parts::kExtraColumns;
using sheet_parts::kVoltage;
using sheet_parts::SetStyle;

}  // namespace

SheetWindow::SheetWindow(QtFieldStore& store, DesignSheetChoices& choices,
                         UserCores& cores, const QList<QAction*>& shortcuts)
    : SelectionWindowBase("SheetWindow",
                          QT_TRANSLATE_NOOP("SelectionWindows", "绕制单")),
      store_(&store),
      choices_(&choices),
      cores_(&cores) {
  // The choices.
  choices_box_ = new SheetChoicesBox(this);

  // The extra secondaries, edited in place.
  extras_ = new QTableWidget(0, kExtraColumns, this);
  extras_->setObjectName(QStringLiteral("SheetExtras"));
  extras_->setSelectionBehavior(QAbstractItemView::SelectRows);
  extras_->setSelectionMode(QAbstractItemView::SingleSelection);
  extras_->setEditTriggers(QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
  extras_->setTabKeyNavigation(false);
  extras_->setItemDelegateForColumn(sheet_parts::kLoadKind,
                                    new LoadKindDelegate(extras_));
  extras_->verticalHeader()->setDefaultSectionSize(22);
  extras_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  extras_->setFixedHeight(4 * 22 +
                          extras_->horizontalHeader()->sizeHint().height() +
                          2 * extras_->frameWidth());
  auto* extra_buttons = new QVBoxLayout;
  SetTranslatedText(
      AddButton(extra_buttons, "AddSecondary",
                QT_TRANSLATE_NOOP("spulix::SheetWindow", "添加"), this),
      kContext, QT_TRANSLATE_NOOP("spulix::SheetWindow", "再加一个次级绕组"),
      TextRole::kToolTip);
  remove_ = AddButton(extra_buttons, "RemoveSecondary",
                      QT_TRANSLATE_NOOP("spulix::SheetWindow", "删除"), this);
  extra_buttons->addStretch();
  auto* extra_box = Captioned<QGroupBox>(
      "SheetExtraBox", QT_TRANSLATE_NOOP("spulix::SheetWindow", "其他次级"),
      this);
  auto* extra_row = new QHBoxLayout(extra_box);
  extra_row->addWidget(extras_, 1);
  extra_row->addLayout(extra_buttons);

  // The row is as high as the extra secondaries' table, never higher.
  extra_box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  auto* top = new QHBoxLayout;
  top->addWidget(choices_box_);
  top->addWidget(extra_box, 1);

  // The sheet.
  status_ = AddLabel("SheetStatus", this);
  status_->setWordWrap(true);
  QFont bold = status_->font();
  bold.setBold(true);
  status_->setFont(bold);
  model_ = new SheetTableModel(this);
  windings_ = MakeSelectionTable(model_, "SheetWindings", this);
  windings_->horizontalHeader()->setStretchLastSection(false);
  windings_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verdict_ = AddLabel("SheetVerdict", this);
  verdict_->setWordWrap(true);
  // The main window's fit check and this verdict follow different rules.
  auto* two_verdicts = Captioned<QLabel>(
      "SheetTwoVerdicts",
      QT_TRANSLATE_NOOP("spulix::SheetWindow",
                        "主窗口的“铁心是否可用”按传统算法（裸线，层数取整），"
                        "这里按标准漆包线的外径整层绕制，两者可能不同。"),
      this);
  two_verdicts->setWordWrap(true);
  SetStyle(two_verdicts, verdict_palette::TextStyle(verdict_palette::kNote));
  figures_ = AddLabel("SheetFigures", this);
  figures_->setTextFormat(Qt::RichText);
  wires_ = AddLabel("SheetWires", this);
  wires_->setTextFormat(Qt::RichText);
  notes_ = AddLabel("SheetNotes", this);
  notes_->setWordWrap(true);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* figures_row = new QHBoxLayout;
  figures_row->addWidget(figures_, 0, Qt::AlignTop);
  figures_row->addSpacing(12);
  figures_row->addWidget(wires_, 0, Qt::AlignTop);
  figures_row->addStretch();

  // The recommended core.
  recommended_ = AddLabel("SheetRecommended", this);
  recommended_->setFont(bold);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(recommended_);
  buttons->addSpacing(12);
  use_ =
      AddButton(buttons, "UseRecommendedCore",
                QT_TRANSLATE_NOOP("spulix::SheetWindow", "使用推荐铁心"), this);
  use_->setDefault(true);
  SetTranslatedText(
      use_, kContext,
      QT_TRANSLATE_NOOP("spulix::SheetWindow",
                        "把推荐铁心的 h、c、a 填入主窗口并重新计算，"
                        "与标准铁心窗口的“使用”相同"),
      TextRole::kToolTip);
  buttons->addStretch();
  rating_ = new CoreRatingBox(store, choices, cores, this);
  QPushButton* close =
      AddButton(buttons, "CloseSheet",
                QT_TRANSLATE_NOOP("spulix::SheetWindow", "关闭"), this);

  // The sheet's area keeps its room while a reason stands in for it.
  auto* sheet_area = new QWidget(this);
  auto* sheet_layout = new QVBoxLayout(sheet_area);
  sheet_layout->setContentsMargins(0, 0, 0, 0);
  // The windings as a table, drawn to scale, and run from no load to 125 %.
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("SheetPages"));
  coil_view_ = new CoilSectionView(this);
  coil_view_->setObjectName(QStringLiteral("SheetCoilSection"));
  curve_view_ = new LoadCurveView(this);
  curve_view_->setObjectName(QStringLiteral("SheetLoadCurve"));
  // The table's height, not the drawings', sets how tall the pages are.
  coil_view_->setMinimumSize(240, 120);
  curve_view_->setMinimumSize(240, 120);
  windings_->setMinimumHeight(120);
  // The figures and notes go with the table, so the drawing and the curves
  // have the pages' whole height.
  auto* windings_page = new QWidget(this);
  auto* page_layout = new QVBoxLayout(windings_page);
  page_layout->setContentsMargins(4, 4, 4, 4);
  page_layout->addWidget(windings_, 1);
  // Under the table, the figures and the notes scroll in what room is left
  // rather than making the window taller than a laptop's screen.
  auto* details = new QWidget(this);
  auto* details_layout = new QVBoxLayout(details);
  details_layout->setContentsMargins(0, 0, 0, 0);
  details_layout->addWidget(two_verdicts);
  details_layout->addLayout(figures_row);
  details_layout->addWidget(notes_);
  details_layout->addStretch();
  pages_->addTab(windings_page, QString());
  pages_->addTab(coil_view_, QString());
  pages_->addTab(curve_view_, QString());
  sheet_layout->addWidget(pages_, 1);
  sheet_layout->addWidget(verdict_);
  details_ = new QScrollArea(this);
  details_->setObjectName(QStringLiteral("SheetDetails"));
  details_->setWidget(details);
  details_->setWidgetResizable(true);
  details_->setFrameShape(QFrame::NoFrame);
  details_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  details_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  details_->setMinimumHeight(3 * notes_->fontMetrics().lineSpacing());
  // The table keeps at least as much room as the details below it.
  details_->setMaximumHeight(8 * notes_->fontMetrics().lineSpacing());
  page_layout->addWidget(details_);

  // The main window's results older than its inputs: said, with 刷新.
  QPushButton* refresh_results =
      AddButton(nullptr, "RefreshResults",
                QT_TRANSLATE_NOOP("spulix::SheetWindow", "刷新"), this);
  stale_ = sheet_parts::MakeStaleWarning(this, refresh_results);

  dc_load_ = new DcLoadEditor(store, choices, cores, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(dc_load_);
  layout->addWidget(status_);
  layout->addWidget(stale_);
  layout->addWidget(sheet_area, 1);
  layout->addWidget(rating_);
  layout->addLayout(buttons);

  connect(choices_box_, &SheetChoicesBox::Edited, this,
          &SheetWindow::TakeChoices);
  connect(extras_, &QTableWidget::itemChanged, this, &SheetWindow::TakeChoices);
  connect(findChild<QPushButton*>(QStringLiteral("AddSecondary")),
          &QPushButton::clicked, this, &SheetWindow::AddSecondary);
  connect(remove_, &QPushButton::clicked, this, &SheetWindow::RemoveSecondary);
  connect(use_, &QPushButton::clicked, this, &SheetWindow::UseRecommended);
  connect(refresh_results, &QPushButton::clicked, this, [this] {
    if (store_.isNull() || choices_.isNull()) return;
    PressDesignButton(*store_, *choices_, DesignButton::kRefresh);
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  // The sheet and the cores tried for it wait for a pause in typing.
  FollowAfterPause(refresh_, this, [this] { Refresh(); });
  connect(&store, &QtFieldStore::FieldChanged, &refresh_,
          qOverload<>(&QTimer::start));
  // A core the user adds in the core window can be recommended here.
  connect(&cores, &UserCores::Changed, &refresh_, qOverload<>(&QTimer::start));
  connect(&choices, &DesignSheetChoices::Changed, this, [this] {
    ShowChoices();
    refresh_.start();
  });

  // The design's file commands keep their keys in this window.
  addActions(shortcuts);

  ShowFixedTexts();
  ShowChoices();
  Refresh();
  // Enter at once uses the recommended core.
  use_->setFocus();
  // The size the user last gave it, else one that shows the sheet whole.
  resize(RememberedSize(*this, QSize(DefaultWidth(), 740)));
}

SheetWindow::~SheetWindow() {
  // A cell editor still open commits its text when the base class closes
  // the window, after this class's members are gone: it must not reach
  // TakeChoices then.
  disconnect(extras_, nullptr, this, nullptr);
}

void SheetWindow::showEvent(QShowEvent* event) {
  SelectionWindowBase::showEvent(event);
  if (placed_) return;
  placed_ = true;
  PlaceToolWindow(*this);
}

void SheetWindow::hideEvent(QHideEvent* event) {
  RememberSize(*this);
  SelectionWindowBase::hideEvent(event);
}

void SheetWindow::keyPressEvent(QKeyEvent* event) {
  // Enter is the default button's wherever it is not taken: the editor of
  // a cell and a button with the focus keep it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    UseRecommended();
    return;
  }
  SelectionWindowBase::keyPressEvent(event);
}

void SheetWindow::ShowChoices() {
  if (choices_.isNull()) return;
  const SheetChoices& choices = choices_->choices();
  choices_box_->Show(choices);
  sheet_parts::ShowExtras(*extras_, choices.secondaries.extras());
  ShowExtraNames();
  remove_->setEnabled(extras_->rowCount() > 0);
}

void SheetWindow::ShowExtraNames() {
  QStringList names;
  for (int row = 0; row < extras_->rowCount(); ++row) {
    names << Composed(WindingName(static_cast<std::size_t>(row) + 2));
  }
  extras_->setVerticalHeaderLabels(names);
}

void SheetWindow::ShowFixedTexts() {
  pages_->setTabText(0, tr("绕组"));
  pages_->setTabText(1, tr("绕制图（按比例）"));
  pages_->setTabText(2, tr("负载曲线"));
  extras_->setHorizontalHeaderLabels(
      {tr("电压（伏）"), tr("电流（安）"), tr("中心抽头"), tr("负载"),
       tr("Udc（伏）"), tr("Idc（安）"), tr("C（微法）")});
  // The load cells show the kind in the language now shown.
  extras_->viewport()->update();
}

void SheetWindow::Retranslate() {
  ShowFixedTexts();
  choices_box_->Retranslate();
  ShowExtraNames();
  rating_->Retranslate();
  dc_load_->Retranslate();
  model_->Retranslate();
  Refresh();
  // Wider captions widen the window as far as the screen lets them, so the
  // table keeps every column in view; back in a language that needs less,
  // it returns to the width it had, unless the user resized it meanwhile.
  if (!isVisible()) return;
  if (widened_to_ == 0 || width() != widened_to_) own_width_ = width();
  const QRect free =
      screen() != nullptr ? screen()->availableGeometry() : QRect();
  // Room for the frame, as where the window was first placed.
  const int room = free.width() - kFrameAllowance;
  const int target = std::max(own_width_, std::min(DefaultWidth(), room));
  widened_to_ = target == own_width_ ? 0 : target;
  const int grow = target - width();
  if (grow == 0) return;
  // Kept on the screen, frame and all. Moved only where the wider frame
  // would leave the screen: the window manager's placement stands.
  const QRect before = frameGeometry();
  QRect frame = before.adjusted(0, 0, grow, 0);
  if (frame.right() > free.right()) frame.moveRight(free.right());
  if (frame.left() < free.left()) frame.moveLeft(free.left());
  resize(target, height());
  if (frame.left() != before.left()) {
    move(frame.left(), std::max(before.top(), free.top()));
  }
}

void SheetWindow::TakeChoices() {
  if (choices_.isNull()) return;
  SheetChoices choices = choices_->choices();
  choices_box_->TakeInto(choices);
  choices.secondaries.SetExtras(ExtrasOf(*extras_));
  choices_->Set(choices);
}

void SheetWindow::AddSecondary() {
  int row = 0;
  {
    const QSignalBlocker block(extras_);
    row = sheet_parts::AppendExtraRow(*extras_);
  }
  TakeChoices();
  extras_->setCurrentCell(row, kVoltage);
  extras_->setFocus();
  extras_->editItem(extras_->item(row, kVoltage));
}

void SheetWindow::RemoveSecondary() {
  if (extras_->rowCount() == 0) return;
  const int current = extras_->currentRow();
  const int row = current >= 0 ? current : extras_->rowCount() - 1;
  {
    const QSignalBlocker block(extras_);
    extras_->removeRow(row);
  }
  if (!choices_.isNull()) {  // its load goes with it
    SheetChoices choices = choices_->choices();
    choices.secondaries.RemoveExtra(static_cast<std::size_t>(row));
    choices_->Set(choices);
  }
  TakeChoices();
}

int SheetWindow::DefaultWidth() const {
  // As wide as the windings' columns need in the language shown (the
  // English captions take more room), and never under 1040.
  // Each column as wide as its caption or its cells need, as the table
  // sizes them: before there is a sheet the sections have their default
  // width, which says nothing about what they will show.
  const QHeaderView* header = windings_->horizontalHeader();
  const QAbstractItemView* view = windings_;
  int columns = 0;
  for (int c = 0; c < header->count(); ++c) {
    if (header->isSectionHidden(c)) continue;
    columns += std::max(header->sectionSizeHint(c), view->sizeHintForColumn(c));
  }
  const int table = columns + windings_->verticalHeader()->width() +
                    2 * windings_->frameWidth() +
                    windings_->verticalScrollBar()->sizeHint().width();
  const QMargins margins = layout()->contentsMargins();
  // The tab page's frame and margins around the table.
  constexpr int kPageFrame = 16;
  return std::max(1040, table + margins.left() + margins.right() + kPageFrame);
}

void SheetWindow::ShowSheetParts(bool visible) {
  const std::initializer_list<QWidget*> parts = {pages_, verdict_, figures_,
                                                 wires_, details_};
  for (QWidget* part : parts) part->setVisible(visible);
}

void SheetWindow::Refresh() {
  refresh_.stop();
  if (store_.isNull() || choices_.isNull()) return;
  const FieldTexts texts = CopyTexts(*store_);
  const SheetChoices& choices = choices_->choices();
  catalogue_ = cores_.isNull() ? CoreCatalogue() : cores_->catalogue();
  // A cell not yet readable leaves its winding out rather than the answer.
  const ReadableChoices readable = WithoutUnreadableExtras(choices);
  const CoreRecommendation recommendation =
      RecommendCoreOrWhy(texts, readable.choices, catalogue_.cores());
  recommended_core_ = recommendation.core;
  std::optional<std::string> core_name;
  if (recommended_core_) {
    core_name = catalogue_.cores()[*recommended_core_].name;
  }
  const Translate translate = CurrentTranslation();
  recommended_->setText(ToQString(RecommendedCoreText(
      core_name, translate, readable.left_out, recommendation.design_winds)));
  use_->setEnabled(recommended_core_.has_value());

  const SheetOutcome outcome = ComputeWindingSheet(texts, choices);
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    status_->setText(tr("无法计算绕制单：%1").arg(Composed(*reason)));
    SetStyle(status_, verdict_palette::TextStyle(verdict_palette::kBad));
    model_->SetWindings({});
    coil_view_->SetSheet(nullptr);
    curve_view_->SetSheet(nullptr);
    ShowSheetParts(false);
    stale_->hide();
    return;
  }
  const WindingSheet& sheet = std::get<WindingSheet>(outcome);
  // Set only while shown: a hidden label keeps no width to wrap in.
  const bool stale = ResultsAreStale(texts);
  stale_->findChild<QLabel*>(QStringLiteral("SheetStaleText"))
      ->setText(stale ? ToQString(StaleResultsText(translate)) : QString());
  stale_->setVisible(stale);
  status_->setText(ToQString(SheetTitle(sheet, translate)));
  SetStyle(status_, QString());
  model_->SetWindings(sheet.windings);
  coil_view_->SetSheet(&sheet);
  curve_view_->SetSheet(&sheet);
  windings_->resizeColumnsToContents();
  verdict_->setText(ToQString(CoilVerdictText(sheet, translate)));
  SetStyle(verdict_, sheet.fits
                         ? verdict_palette::TextStyle(verdict_palette::kGood)
                         : verdict_palette::TextStyle(verdict_palette::kBad));
  figures_->setText(FiguresHtml(sheet));
  wires_->setText(WiresHtml(sheet));
  notes_->setText(NotesText(sheet));
  ShowSheetParts(true);
  notes_->setVisible(!sheet.notes.empty());
}

void SheetWindow::UseRecommended() {
  // The recommendation must be for the design as it stands.
  if (refresh_.isActive()) Refresh();
  if (!recommended_core_ || store_.isNull()) return;
  // A copy: the calculation's messages may run the event loop.
  const CoreEntry core = catalogue_.cores()[*recommended_core_];
  UseCore(*store_, core);
}

}  // namespace spulix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/core_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "design/parts/core_selection.h"
#include "design/sheet/core_search.h"
#include "ui/language/translated_text.h"
#include "ui/selection/core_edit_dialog.h"
#include "ui/selection/core_table_model.h"
#include "ui/store/core_file_change.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"
#include "ui/store/qt_text.h"
#include "ui/store/user_cores.h"
#include "ui/widgets/follow_design.h"
#include "ui/widgets/tool_button.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

// The window's fixed texts are translated under this context, the ones it
// composes as it goes under its class's.
constexpr const char* kContext = "spulix::CoreWindow";

QPushButton* AddButton(QHBoxLayout* row, const char* name, const char* text,
                       QWidget* parent) {
  return AddToolButton(row, kContext, name, text, parent);
}

CoreInput InputOf(const CoreEntry& core) {
  return {core.name, DimensionText(core.a_mm), DimensionText(core.c_mm),
          DimensionText(core.h_mm)};
}

}  // namespace

CoreWindow::CoreWindow(QtFieldStore& store, DesignSheetChoices& choices,
                       UserCores& cores)
    : SelectionWindowBase("CoreWindow",
                          QT_TRANSLATE_NOOP("SelectionWindows", "标准铁心")),
      store_(&store),
      choices_(&choices),
      cores_(&cores) {
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("CoreSummary"));
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Room for three lines, fixed, so that a new summary at each keystroke
  // does not lay out the whole window again.
  summary_->setFixedHeight(3 * summary_->fontMetrics().lineSpacing() + 2);

  model_ = new CoreTableModel(cores_->catalogue(), this);
  table_ = MakeSelectionTable(model_, "CoreTable", this);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("CoreFileNotice"));
  notice_->setWordWrap(true);
  notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notice_->setStyleSheet(verdict_palette::TextStyle(verdict_palette::kBad));
  notice_->hide();

  auto* source = new QLabel(this);
  SetTranslatedText(
      source, kContext,
      QT_TRANSLATE_NOOP(
          "spulix::CoreWindow",
          "标准铁心为常见的无废料 EI 冲片（c = a/2，h = 1.5a），"
          "尺寸取自公开的冲片表，可信度中等，请以所购冲片为准。"));
  source->setObjectName(QStringLiteral("CoreSource"));
  source->setWordWrap(true);
  source->setStyleSheet(verdict_palette::TextStyle(verdict_palette::kNote));

  auto* buttons = new QHBoxLayout;
  use_ = AddButton(buttons, "UseCore",
                   QT_TRANSLATE_NOOP("spulix::CoreWindow", "使用"), this);
  SetTranslatedText(
      use_, kContext,
      QT_TRANSLATE_NOOP("spulix::CoreWindow",
                        "把这只铁心的 h、c、a 填入主窗口并重新计算"),
      TextRole::kToolTip);
  buttons->addSpacing(16);
  add_ = AddButton(buttons, "AddCore",
                   QT_TRANSLATE_NOOP("spulix::CoreWindow", "添加…"), this);
  edit_ = AddButton(buttons, "EditCore",
                    QT_TRANSLATE_NOOP("spulix::CoreWindow", "修改…"), this);
  remove_ = AddButton(buttons, "RemoveCore",
                      QT_TRANSLATE_NOOP("spulix::CoreWindow", "删除"), this);
  buttons->addStretch();
  QPushButton* close =
      AddButton(buttons, "CloseCores",
                QT_TRANSLATE_NOOP("spulix::CoreWindow", "关闭"), this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addWidget(notice_);
  layout->addWidget(source);
  layout->addLayout(buttons);

  connect(use_, &QPushButton::clicked, this, &CoreWindow::UseSelected);
  connect(add_, &QPushButton::clicked, this, &CoreWindow::AddCore);
  connect(edit_, &QPushButton::clicked, this, &CoreWindow::EditSelected);
  connect(remove_, &QPushButton::clicked, this, &CoreWindow::RemoveSelected);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  // Enter and a double-click on a row use that core.
  connect(table_, &QTableView::activated, this, &CoreWindow::UseSelected);
  // Delete on the table removes the user's core.
  table_->installEventFilter(this);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged,
          this, &CoreWindow::UpdateButtons);

  // Judging and repainting the whole table costs a few milliseconds.
  FollowAfterPause(refresh_, this, [this] { Refresh(); });
  connect(&store, &QtFieldStore::FieldChanged, &refresh_,
          qOverload<>(&QTimer::start));
  connect(&choices, &DesignSheetChoices::Changed, &refresh_,
          qOverload<>(&QTimer::start));

  // The file may change under the window: another Spulix saved it.
  connect(cores_, &UserCores::Changed, this, [this] {
    ShowFileState(cores_->last_load());
    ShowCatalogue(CurrentName());
  });

  model_->CatalogueChanged();
  ShowFileState(cores_->last_load());
  Refresh();
  SelectRow(model_->by_sheet().smallest_buildable.value_or(
      model_->selection().smallest_fit.value_or(0)));
  table_->resizeColumnsToContents();
  table_->setFocus();
  resize(780, 420);
}

bool CoreWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RemoveSelected();
    return true;
  }
  return SelectionWindowBase::eventFilter(watched, event);
}

void CoreWindow::showEvent(QShowEvent* event) {
  SelectionWindowBase::showEvent(event);
  // Once the table has its size.
  QTimer::singleShot(0, this, [this] {
    table_->scrollTo(table_->currentIndex(), QAbstractItemView::EnsureVisible);
  });
}

void CoreWindow::Message(const QString& text) {
  if (sink_) {
    sink_(text);
  } else {
    QtFieldStore::ShowMessageBox(this, text.toStdString());
  }
}

void CoreWindow::Refresh() {
  refresh_.stop();
  if (store_.isNull() || choices_.isNull()) return;
  const FieldTexts design = CopyTexts(*store_);
  model_->SetSelection(SelectCore(design, cores_->catalogue().cores()),
                       JudgeCoresBySheet(design, choices_->choices(),
                                         cores_->catalogue().cores()));
  const CoreSelection& selection = model_->selection();
  const std::optional<std::size_t> buildable =
      model_->by_sheet().smallest_buildable;
  QString text;
  if (!selection.usable()) {
    QStringList problems;
    for (const UserText& problem : selection.problems) {
      problems << Composed(problem);
    }
    text = tr("无法判断：%1。").arg(problems.join(tr("；")));
  } else if (selection.smallest_fit) {
    const auto fitting =
        std::count_if(selection.results.begin(), selection.results.end(),
                      [](const CoreResult& result) { return result.fits(); });
    text = tr("当前设计的线包能放进 %1 种铁心，最小的是 %2"
              "（舌宽最窄，其次窗口最小）。")
               .arg(fitting)
               .arg(ToQString(
                   cores_->catalogue().cores()[*selection.smallest_fit].name));
  } else {
    text = tr("当前设计的线包放不进任何一种铁心。");
  }
  // The star follows the sheet: the wires a winder buys, with their enamel,
  // in whole layers, may need a larger core than the traditional rule.
  if (buildable && buildable != selection.smallest_fit) {
    const QString name =
        ToQString(cores_->catalogue().cores()[*buildable].name);
    text += selection.smallest_fit
                ? tr("按实绕（标准漆包线带漆膜、整层绕制）最小可用的是 %1"
                     "（★），与上面不同。")
                      .arg(name)
                : tr("按实绕（标准漆包线带漆膜、整层绕制）最小可用的是 %1"
                     "（★）。")
                      .arg(name);
  } else if (buildable) {
    text += tr("按实绕（标准漆包线带漆膜、整层绕制）也是它（★）。");
  } else if (selection.usable()) {
    text += tr("按实绕（标准漆包线带漆膜、整层绕制）没有一种铁心绕得下。");
  }
  if (summary_->text() != text) summary_->setText(text);
}

std::optional<std::size_t> CoreWindow::CurrentRow() const {
  const QModelIndex index = table_->currentIndex();
  if (!index.isValid()) return std::nullopt;
  return static_cast<std::size_t>(index.row());
}

void CoreWindow::SelectRow(std::size_t row) {
  if (row >= cores_->catalogue().cores().size()) return;
  table_->setCurrentIndex(model_->index(static_cast<int>(row), 0));
  table_->scrollTo(table_->currentIndex());
  UpdateButtons();
}

void CoreWindow::UpdateButtons() {
  const std::optional<std::size_t> row = CurrentRow();
  const bool own = row && !cores_->catalogue().IsBuiltIn(*row);
  use_->setEnabled(row.has_value());
  add_->setEnabled(file_readable_);
  edit_->setEnabled(own && file_readable_);
  remove_->setEnabled(own && file_readable_);
}

void CoreWindow::Retranslate() {
  model_->Retranslate();
  ShowFileState(last_load_);
  Refresh();
  // The columns fit the new texts; the last one fills the rest again.
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setStretchLastSection(true);
}

void CoreWindow::ShowFileState(const UserCoreFile::LoadResult& load) {
  last_load_ = load;
  file_readable_ = load.readable;
  QString text;
  if (!load.readable) {
    text = tr("无法读取自定义铁心文件 %1：%2。为免丢失其中的数据，"
              "这次不能添加、修改或删除自定义铁心。")
               .arg(cores_->file().path(), load.error);
  } else if (!load.issues.empty()) {
    text = tr("自定义铁心文件 %1 有 %2 行没有读入，其余各行已读入：")
               .arg(cores_->file().path())
               .arg(load.issues.size());
    for (const CatalogueIssue& issue : load.issues) {
      text += QStringLiteral("\n") +
              ToQString(DescribeIssue(issue, CurrentTranslation()));
    }
    text += QLatin1Char('\n') +
            tr("文件保持原样；您添加、修改或删除自定义铁心时才会"
               "重写它，重写前原文件另存为 .bak。");
  }
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty());
  UpdateButtons();
}

void CoreWindow::UseSelected() {
  const std::optional<std::size_t> row = CurrentRow();
  if (!row || store_.isNull()) return;
  // A copy: the calculation's messages may run the event loop, in which the
  // catalogue could change.
  const CoreEntry core = cores_->catalogue().cores()[*row];
  UseCore(*store_, core);
}

std::optional<std::string> CoreWindow::Change(const CoreChange& change,
                                              const std::string& keep_name) {
  const std::string shown = CurrentName();
  const QString backup_before = cores_->file().backup_path();
  const CoreFileChange done = cores_->Change(change);
  if (done.read) ShowFileState(done.load);
  const bool made = done.error.isEmpty() && !done.refused;
  if (done.read && !done.load.readable) {
    Message(tr("无法读取自定义铁心文件 %1：%2。这次更改没有生效。")
                .arg(cores_->file().path(), done.error));
  } else if (!done.error.isEmpty()) {
    Message(tr("无法保存自定义铁心到 %1：%2。这次更改没有生效。")
                .arg(cores_->file().path(), done.error));
  } else if (made && cores_->file().backup_path() != backup_before) {
    notice_->setText(tr("原来有错误的自定义铁心文件已另存为 %1。")
                         .arg(cores_->file().backup_path()));
  }
  ShowCatalogue(made ? keep_name : shown);
  return done.refused;
}

void CoreWindow::ShowCatalogue(const std::string& keep_name) {
  const std::size_t row = CurrentRow().value_or(0);
  model_->CatalogueChanged();
  Refresh();
  const std::size_t last = cores_->catalogue().cores().size() - 1;
  SelectRow(
      cores_->catalogue().FindByName(keep_name).value_or(std::min(row, last)));
}

std::string CoreWindow::CurrentName() const {
  const std::optional<std::size_t> row = CurrentRow();
  return row && *row < cores_->catalogue().cores().size()
             ? cores_->catalogue().cores()[*row].name
             : std::string();
}

void CoreWindow::AddCore() {
  if (!file_readable_) return;
  auto* dialog = new CoreEditDialog(
      tr("添加自定义铁心"), CoreInput{},
      [this](const CoreInput& input) {
        return Change({CoreChange::Kind::kAdd, std::string(), input},
                      input.name);
      },
      this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void CoreWindow::EditSelected() {
  const std::optional<std::size_t> row = CurrentRow();
  if (!row || cores_->catalogue().IsBuiltIn(*row) || !file_readable_) return;
  // By name: the rows may move while the dialog is open.
  const CoreEntry& core = cores_->catalogue().cores()[*row];
  auto* dialog = new CoreEditDialog(
      tr("修改自定义铁心"), InputOf(core),
      [this, name = core.name](const CoreInput& input) {
        return Change({CoreChange::Kind::kModify, name, input}, input.name);
      },
      this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void CoreWindow::RemoveSelected() {
  const std::optional<std::size_t> row = CurrentRow();
  if (!row || !file_readable_) return;
  const std::size_t index = *row;
  if (cores_->catalogue().IsBuiltIn(index)) {
    Message(tr("标准铁心不能删除。"));
    return;
  }
  // By name: the rows may move while the question is open.
  const std::string name = cores_->catalogue().cores()[index].name;
  const std::string next = index + 1 < cores_->catalogue().cores().size()
                               ? cores_->catalogue().cores()[index + 1].name
                               : cores_->catalogue().cores()[index - 1].name;
  const QString question = tr("删除自定义铁心“%1”？").arg(ToQString(name));
  bool yes = false;
  if (confirm_) {
    yes = confirm_(question);
  } else {
    QMessageBox box(this);
    box.setWindowTitle(QStringLiteral("Spulix"));
    box.setText(question);
    QPushButton* remove = box.addButton(tr("删除"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(tr("取消"), QMessageBox::RejectRole));
    box.exec();
    yes = box.clickedButton() == remove;
  }
  if (!yes) return;
  Change({CoreChange::Kind::kRemove, name, CoreInput{}}, next);
}

}  // namespace spulix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/design_file_commands.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <string_view>

#include "design/parts/core_selection.h"
#include "design/sheet/coil_section.h"
#include "design/sheet/core_search.h"
#include "document/design_error_text.h"
#include "document/design_file.h"
#include "present/coil_svg.h"
#include "ui/language/translated_text.h"
#include "ui/output/file_dialog.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {
namespace {

// The texts tr() finds here, for those shown later in another language.
constexpr const char* kContext = "spulix::DesignFileCommands";

std::string Shown(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

QString WithSuffix(QString path, const QString& suffix) {
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += suffix;
  return path;
}

// The same atomic writer as spulix-calc's: a link is written through, a
// read-only file refused, the earlier file kept on any failure.
std::optional<DesignError> SaveBytes(const QString& path,
                                     const QByteArray& bytes) {
  return SaveDesignText(
      QFile::encodeName(path).toStdString(),
      std::string_view(bytes.constData(),
                       static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QString DroppedDesign(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() &&
        url.toLocalFile().endsWith(QLatin1String(kDesignSuffix),
                                   Qt::CaseInsensitive)) {
      return url.toLocalFile();
    }
  }
  return {};
}

DesignFileCommands::DesignFileCommands(QMainWindow* window, QtFieldStore& store,
                                       DesignSheetChoices& choices,
                                       const Actions& actions)
    : QObject(window), window_(window), store_(store), choices_(choices) {
  setObjectName(QStringLiteral("DesignFileCommands"));
  open_ = actions.open;
  save_ = actions.save;
  save_as_ = actions.save_as;
  export_ = actions.export_report;
  export_drawing_ = actions.export_drawing;
  // The item's own caption, to which the file's name and the mark are added.
  save_caption_ = save_->text();
  connect(open_, &QAction::triggered, this, [this] {
    if (!MayReplaceDesign()) return;
    const QString path = Choose(
        Dialog::kOpen, current_file_.isEmpty() ? StartFolder() : current_file_);
    if (!path.isEmpty()) Open(path);
  });
  connect(save_, &QAction::triggered, this, [this] { Save(); });
  connect(save_as_, &QAction::triggered, this, [this] { SaveAs(); });
  connect(export_, &QAction::triggered, this, [this] { ExportReport(); });
  if (export_drawing_) {
    connect(export_drawing_, &QAction::triggered, this,
            [this] { ExportDrawing(); });
  }

  // Dropping onto a field would otherwise type the file's path into it.
  window_->setAcceptDrops(true);
  window_->installEventFilter(this);
  for (QLineEdit* edit : window_->findChildren<QLineEdit*>()) {
    edit->installEventFilter(this);
  }

  saved_ = Capture();
  connect(&choices_, &DesignSheetChoices::Changed, this,
          &DesignFileCommands::UpdateSaveCaption);
  connect(&store_, &QtFieldStore::FieldChanged, this,
          &DesignFileCommands::UpdateSaveCaption);
}

bool DesignFileCommands::modified() const { return Capture() != saved_; }

Design DesignFileCommands::Capture() const {
  return CaptureDesign(store_, choices_.choices());
}

void DesignFileCommands::Retranslate() {
  save_caption_ = save_->text();
  UpdateSaveCaption();
}

void DesignFileCommands::UpdateSaveCaption() {
  QString caption = save_caption_;
  if (!current_file_.isEmpty()) {
    caption += QLatin1Char(' ') + QFileInfo(current_file_).fileName();
  }
  if (modified()) caption += QStringLiteral(" *");
  if (save_->text() != caption) save_->setText(caption);
}

void DesignFileCommands::TieTo(const QString& path) {
  current_file_ = path;
  if (!path.isEmpty()) last_folder_ = QFileInfo(path).absolutePath();
  saved_ = Capture();
  UpdateSaveCaption();
}

void DesignFileCommands::Forget() { TieTo(QString()); }

QString DesignFileCommands::StartFolder() const {
  if (!current_file_.isEmpty()) return QFileInfo(current_file_).absolutePath();
  if (!last_folder_.isEmpty() && QFileInfo(last_folder_).isDir()) {
    return last_folder_;
  }
  const QString documents =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

DesignFileCommands::Unsaved DesignFileCommands::AskAboutUnsaved() const {
  if (question_) return question_();
  QMessageBox box(window_);
  box.setWindowTitle(QStringLiteral("Spulix"));
  box.setIcon(QMessageBox::NoIcon);
  box.setText(current_file_.isEmpty()
                  ? tr("当前设计还没有保存。要先保存吗？")
                  : tr("设计“%1”已修改。要先保存吗？")
                        .arg(QFileInfo(current_file_).fileName()));
  QPushButton* save = box.addButton(tr("保存"), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(tr("不保存"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(tr("取消"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return Unsaved::kSave;
  if (box.clickedButton() == discard) return Unsaved::kDiscard;
  return Unsaved::kCancel;
}

bool DesignFileCommands::MayReplaceDesign() {
  if (!modified()) return true;
  switch (AskAboutUnsaved()) {
    case Unsaved::kSave:
      return Save();
    case Unsaved::kDiscard:
      return true;
    case Unsaved::kCancel:
      return false;
  }
  return false;
}

bool DesignFileCommands::OpenInstead(const QString& path) {
  return MayReplaceDesign() && Open(path);
}

QString DesignFileCommands::Choose(Dialog dialog, const QString& suggested) {
  const QString path =
      chooser_ ? chooser_(dialog, suggested) : AskFileDialog(dialog, suggested);
  if (!path.isEmpty()) last_folder_ = QFileInfo(path).absolutePath();
  return path;
}

QString DesignFileCommands::AskFileDialog(Dialog dialog,
                                          const QString& suggested) const {
  switch (dialog) {
    case Dialog::kOpen:
      return AskFileName(window_, FileDialogMode::kOpen, tr("打开设计"),
                         suggested,
                         DesignFileCommands::tr("Spulix 设计 (*.spulix)"));
    case Dialog::kSaveDesign:
      return WithSuffix(
          AskFileName(window_, FileDialogMode::kSave, tr("保存设计"), suggested,
                      DesignFileCommands::tr("Spulix 设计 (*.spulix)")),
          QLatin1String(kDesignSuffix));
    case Dialog::kExportReport:
      return WithSuffix(
          AskFileName(window_, FileDialogMode::kSave, tr("导出报告"), suggested,
                      DesignFileCommands::tr("PDF 文件 (*.pdf)")),
          QStringLiteral(".pdf"));
    case Dialog::kExportDrawing:
      return WithSuffix(
          AskFileName(window_, FileDialogMode::kSave, tr("导出绕制图"),
                      suggested, DesignFileCommands::tr("SVG 图 (*.svg)")),
          QStringLiteral(".svg"));
  }
  return {};
}

void DesignFileCommands::Tell(const QString& text) {
  store_.ShowMessage(text.toStdString());
}

bool DesignFileCommands::Open(const QString& path) {
  DesignParse parse = ReadDesignFile(QFile::encodeName(path).toStdString());
  if (auto* error = std::get_if<DesignError>(&parse)) {
    Tell(Composed(ErrorSentence(*error, Shown(path), FileAction::kOpen)));
    return false;
  }
  const Design& design = std::get<Design>(parse);
  RestoreDesign(store_, design);
  choices_.Set(design.sheet);
  TieTo(path);
  return true;
}

bool DesignFileCommands::Save() {
  return current_file_.isEmpty() ? SaveAs() : SaveTo(current_file_);
}

bool DesignFileCommands::SaveAs() {
  const QString suggested =
      current_file_.isEmpty()
          ? QDir(StartFolder()).filePath(tr("未命名.spulix"))
          : current_file_;
  const QString path = Choose(Dialog::kSaveDesign, suggested);
  return !path.isEmpty() && SaveTo(path);
}

bool DesignFileCommands::SaveTo(const QString& path) {
  const std::string text = SerializeDesign(Capture());
  std::optional<DesignError> error = CheckDesignSize(text);
  if (!error) error = SaveBytes(path, QByteArray::fromStdString(text));
  if (error) {
    Tell(Composed(ErrorSentence(*error, Shown(path), FileAction::kSave)));
    return false;
  }
  TieTo(path);
  store_.ShowStatus(
      kContext, QT_TRANSLATE_NOOP("spulix::DesignFileCommands", "已保存 %1"),
      QFileInfo(path).fileName());
  return true;
}

bool DesignFileCommands::ExportReport() {
  const QFileInfo design(current_file_);
  const QString suggested =
      current_file_.isEmpty()
          ? QDir(StartFolder()).filePath(tr("设计报告.pdf"))
          : design.dir().filePath(design.completeBaseName() +
                                  QStringLiteral(".pdf"));
  const QString path = Choose(Dialog::kExportReport, suggested);
  return !path.isEmpty() && ExportReportTo(path);
}

bool DesignFileCommands::ExportReportTo(const QString& path) {
  ReportContent content;
  content.file_name =
      current_file_.isEmpty() ? QString() : QFileInfo(current_file_).fileName();
  content.when = QDateTime::currentDateTime();
  if (parts_) content.parts = parts_();
  content.sheet_choices = choices_.choices();
  const std::vector<CoreEntry> cores =
      cores_ ? cores_() : CoreCatalogue().cores();
  if (const std::optional<std::size_t> core =
          RecommendCore(CopyTexts(store_), content.sheet_choices, cores)) {
    content.recommended_core = cores[*core].name;
  }
  // Rendered in memory, then written like a design file.
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  std::optional<DesignError> error;
  if (!WriteDesignReport(store_, content, &buffer)) {
    error = DesignError{DesignError::Kind::kWriteFailed,
                        tr("无法生成 PDF").toStdString()};
  } else {
    error = SaveBytes(path, pdf);
  }
  if (!error) {
    store_.ShowStatus(
        kContext,
        QT_TRANSLATE_NOOP("spulix::DesignFileCommands", "报告已导出 %1"),
        QFileInfo(path).fileName());
    return true;
  }
  Tell(tr("无法导出报告“%1”：%2。")
           .arg(QString::fromStdString(Shown(path)),
                Composed(ProblemSentence(*error))));
  return false;
}

bool DesignFileCommands::ExportDrawing() {
  const QFileInfo design(current_file_);
  const QString suggested =
      current_file_.isEmpty()
          ? QDir(StartFolder()).filePath(tr("绕制图.svg"))
          : design.dir().filePath(design.completeBaseName() +
                                  QStringLiteral(".svg"));
  const QString path = Choose(Dialog::kExportDrawing, suggested);
  return !path.isEmpty() && ExportDrawingTo(path);
}

bool DesignFileCommands::ExportDrawingTo(const QString& path) {
  const SheetOutcome outcome =
      ComputeWindingSheet(CopyTexts(store_), choices_.choices());
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    Tell(tr("无法导出绕制图：没有绕制单（%1）。").arg(Composed(*reason)));
    return false;
  }
  const std::string svg = CoilSvg(
      CoilSectionOf(std::get<WindingSheet>(outcome)), CurrentTranslation());
  if (const std::optional<DesignError> error =
          SaveBytes(path, QByteArray::fromStdString(svg))) {
    Tell(tr("无法导出绕制图“%1”：%2。")
             .arg(QString::fromStdString(Shown(path)),
                  Composed(ProblemSentence(*error))));
    return false;
  }
  store_.ShowStatus(
      kContext,
      QT_TRANSLATE_NOOP("spulix::DesignFileCommands", "绕制图已导出 %1"),
      QFileInfo(path).fileName());
  return true;
}

void DesignFileCommands::OpenAtStart(const QString& path) {
  QTimer::singleShot(0, this, [this, path] { OpenInstead(path); });
}

bool DesignFileCommands::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DroppedDesign(drag->mimeData()).isEmpty()) break;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = DroppedDesign(drop->mimeData());
      if (path.isEmpty()) break;
      drop->acceptProposedAction();
      // After the drop has finished: a question or an error message must
      // not run its own event loop inside the drag and drop.
      QTimer::singleShot(0, this, [this, path] { OpenInstead(path); });
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace spulix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/store/qt_field_store.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "design/field_reactions.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"

namespace spulix {
namespace {

// The engine's messages and status texts are translated under this context.
constexpr const char* kMessageContext = "DesignMessage";

}  // namespace
QtFieldStore::QtFieldStore(const Controls& controls, QWidget* message_parent)
    : controls_(controls), message_parent_(message_parent) {
  for (int number = 1; number <= kFieldCount; ++number) {
    const Field field = FieldFromNumber(number);
    QLineEdit* edit = Edit(field);
    // textChanged comes for typing and for setText alike, and not at all
    // when the text stays the same.
    connect(edit, &QLineEdit::textChanged, this, [this, field] {
      if (!restoring_ && note_.pattern != nullptr) {
        note_ = {};
        controls_.status->clear();
      }
      if (!restoring_) OnFieldChanged(*this, field);
      emit FieldChanged(field);
    });
  }
  Edit(Field::kPrimaryWireDiameter)->installEventFilter(this);
  Edit(Field::kSecondaryWireDiameter)->installEventFilter(this);
}

QLineEdit* QtFieldStore::Edit(Field field) const {
  return controls_.fields[ControlNumber(field) - 1];
}

QLabel* QtFieldStore::Label(Caption caption) const {
  switch (caption) {
    case Caption::kStatus:
      return controls_.status;
    case Caption::kWidthFigure:
      return controls_.width_figure;
    case Caption::kTongueFigure:
      return controls_.tongue_figure;
    case Caption::kHeightFigure:
      return controls_.height_figure;
  }
  return controls_.status;
}

std::string QtFieldStore::Text(Field field) const {
  return Edit(field)->text().toStdString();
}

bool QtFieldStore::SetText(Field field, std::string_view text) {
  QLineEdit* edit = Edit(field);
  const QString new_text = ToQString(text);
  if (edit->text() == new_text) return false;
  edit->setText(new_text);  // runs the reaction through textChanged
  return true;
}

void QtFieldStore::RestoreText(Field field, std::string_view text) {
  restoring_ = true;
  Edit(field)->setText(ToQString(text));
  restoring_ = false;
}

std::string QtFieldStore::CaptionText(Caption caption) const {
  // The engine's own text, whatever language the status line shows it in.
  if (caption == Caption::kStatus && !status_source_.empty()) {
    return status_source_;
  }
  return Label(caption)->text().toStdString();
}

void QtFieldStore::SetCaption(Caption caption, std::string_view text) {
  QLabel* label = Label(caption);
  if (caption == Caption::kStatus) {
    // Shown in the current language, and again after each change of it.
    note_ = {};
    status_source_ = std::string(text);
    SetTranslatedText(label, kMessageContext, status_source_.c_str());
    return;
  }
  const QString new_text = ToQString(text);
  if (label->text() == new_text) return;
  label->setText(new_text);
  // The diagram figures grow with their text; the status line keeps its box.
  if (caption != Caption::kStatus) label->adjustSize();
}

void QtFieldStore::ShowStatus(const char* context, const char* pattern,
                              const QString& name) {
  note_ = {context, pattern, name};
  status_source_.clear();
  SetTranslatedText(controls_.status, kMessageContext, nullptr);
  ShowStatusNote();
}

void QtFieldStore::RetranslateStatus() {
  if (note_.pattern != nullptr) ShowStatusNote();
}

void QtFieldStore::ShowStatusNote() {
  QLabel* label = controls_.status;
  const QString text = Translated(note_.context, note_.pattern).arg(note_.name);
  const int room = label->contentsRect().width();
  label->setText(
      room > 0 ? label->fontMetrics().elidedText(text, Qt::ElideMiddle, room)
               : text);
}

void QtFieldStore::ShowMessage(std::string_view text) {
  if (sink_) {
    sink_(text);
    return;
  }
  ShowMessageBox(message_parent_, text);
}

void QtFieldStore::ShowMessageBox(QWidget* parent, std::string_view text) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Spulix"));
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setText(Translated(kMessageContext, std::string(text).c_str()));
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

bool QtFieldStore::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == Edit(Field::kPrimaryWireDiameter)) {
      OnFieldDoubleClicked(*this, Field::kPrimaryWireDiameter);
    } else if (watched == Edit(Field::kSecondaryWireDiameter)) {
      OnFieldDoubleClicked(*this, Field::kSecondaryWireDiameter);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace spulix

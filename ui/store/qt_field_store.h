// SPDX-License-Identifier: GPL-3.0-or-later
// The design's store over the main window's 29 text fields: every change of
// a field's text, typed or set, runs the engine's reaction at once.
#ifndef SPULIX_UI_STORE_QT_FIELD_STORE_H_
#define SPULIX_UI_STORE_QT_FIELD_STORE_H_

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "design/field_store.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace spulix {

class QtFieldStore : public QObject, public FieldStore {
  Q_OBJECT

 public:
  // Receives each message in place of the message box (tests).
  using MessageSink = std::function<void(std::string_view)>;

  struct Controls {
    std::array<QLineEdit*, kFieldCount> fields;  // Text1 .. Text29
    QLabel* status;                              // Label33
    QLabel* width_figure;                        // Label66
    QLabel* tongue_figure;                       // Label67
    QLabel* height_figure;                       // Label68
  };

  // `message_parent` owns the message boxes (the main window).
  QtFieldStore(const Controls& controls, QWidget* message_parent);

  std::string Text(Field field) const override;
  bool SetText(Field field, std::string_view text) override;
  std::string CaptionText(Caption caption) const override;
  void SetCaption(Caption caption, std::string_view text) override;
  void ShowMessage(std::string_view text) override;

  // Sets a text without running its change reaction (opening a saved
  // design shows exactly what was saved).
  void RestoreText(Field field, std::string_view text);

  // A short note in the status line (Label33): the source pattern (under
  // `context`, translated as the language changes) with `name` for its %1,
  // elided in the middle to fit its box. It is cleared like every other
  // status text, and by the next edit of the design, which it no longer
  // describes.
  void ShowStatus(const char* context, const char* pattern,
                  const QString& name);
  // The note again in the current language.
  void RetranslateStatus();

  // An empty sink restores the message box.
  void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }

  // The modal message box: the text, one OK button, no icon, "Spulix".
  static void ShowMessageBox(QWidget* parent, std::string_view text);

 signals:
  // A field's text changed, typed, set by a calculation or restored; sent
  // after the field's own reaction has run.
  void FieldChanged(spulix::Field field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* Edit(Field field) const;
  QLabel* Label(Caption caption) const;

  Controls controls_;
  QPointer<QWidget> message_parent_;
  MessageSink sink_;
  bool restoring_ = false;
  std::string status_source_;  // the engine's status text, untranslated
  struct StatusNote {
    const char* context = nullptr;
    const char* pattern = nullptr;  // none while no note is shown
    QString name;
  };
  void ShowStatusNote();
  StatusNote note_;
};

}  // namespace spulix

#endif  // SPULIX_UI_STORE_QT_FIELD_STORE_H_

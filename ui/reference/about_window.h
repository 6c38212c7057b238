// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: picture, product information, the scope of the program and
// an OK button that only hides the window.
#ifndef SPULIX_UI_REFERENCE_ABOUT_WINDOW_H_
#define SPULIX_UI_REFERENCE_ABOUT_WINDOW_H_

#include <QWidget>

namespace spulix {

// The scope sentence shown by the About box and the help window, translated
// under kAboutContext.
inline constexpr const char* kAboutContext = "AboutWindow";
inline constexpr const char* kScopeText = QT_TRANSLATE_NOOP(
    "AboutWindow", "本软件适用于频率在50HZ-1000W以下的电源变压器");

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without owner, centred on the screen once, when it
  // is created; it deletes itself when closed by its title bar.
  AboutWindow();

 protected:
  // The texts follow the language.
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Shows every text in the current language, each label as wide as its
  // text.
  void Retranslate();
};

}  // namespace spulix

#endif  // SPULIX_UI_REFERENCE_ABOUT_WINDOW_H_

// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that exist at most once each, kept in numbered slots: opening makes
// the window on first use and otherwise brings the existing one back (out of
// minimised, shown, raised, activated). A window closed by its title bar is
// forgotten at once, though it deletes itself only back in the event loop,
// so an opening in between makes a new window instead of showing the doomed
// one. The windows still open go with the registry.
#ifndef SPULIX_UI_WIDGETS_WINDOW_REGISTRY_H_
#define SPULIX_UI_WIDGETS_WINDOW_REGISTRY_H_

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace spulix {

class WindowRegistry : public QObject {
  Q_OBJECT

 public:
  explicit WindowRegistry(int count, QObject* parent = nullptr);
  ~WindowRegistry() override;

  // The window in `slot`, made by `make` where there is none, brought to
  // the front.
  QWidget* Open(int slot, const std::function<QWidget*()>& make);
  // The window in `slot`, open or hidden, or nullptr.
  QWidget* Find(int slot) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_WINDOW_REGISTRY_H_

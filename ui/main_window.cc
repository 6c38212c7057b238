// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "design/core_fit_check.h"
#include "design/field_reactions.h"
#include "ui/caption_frame.h"
#include "ui/center_on_screen.h"
#include "ui/clickable_label.h"
#include "ui/clock_text.h"
#include "ui/fonts.h"
#include "ui/ink_label.h"
#include "ui/second_timer.h"
#include "ui/wrapped_label.h"

namespace spulix {
namespace {

constexpr std::uint32_t kUnitTextColour = 0xC00000;

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QColor ToColour(std::uint32_t rgb) { return QColor(QRgb(0xFF000000u | rgb)); }

// Text colour, and an opaque background where one is given.
void ApplyColours(QWidget* widget, std::uint32_t text,
                  std::uint32_t background) {
  QPalette palette = widget->palette();
  if (text != kDefaultColour) {
    palette.setColor(QPalette::WindowText, ToColour(text));
  }
  if (background == kToolTipTextColour) {
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipText));
  } else if (background != kDefaultColour) {
    palette.setColor(QPalette::Window, ToColour(background));
  }
  widget->setPalette(palette);
  if (background != kDefaultColour) widget->setAutoFillBackground(true);
}

QLabel* MakeAutoLabel(QWidget* parent, const char* name, int left, int top,
                      const QString& caption) {
  auto* label = new InkLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(Px(left), Px(top));
  label->adjustSize();
  return label;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QString::fromLatin1(kWindowName));
  setWindowTitle(QString::fromLatin1(kWindowTitle));
  setWindowIcon(QIcon(QString::fromLatin1(kWindowIcon)));
  // A title bar with minimise and close; the size is fixed.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("Form1Client"));
  client_->setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  client_->setMouseTracking(true);
  client_->installEventFilter(this);
  setCentralWidget(client_);
  containers_[static_cast<int>(Container::kWindow)] = client_;

  BuildMenus();
  BuildControls();
  BuildFields();
  ArrangeStacking();
  ArrangeTabOrder();
  setFixedSize(client_->width(),
               client_->height() + menuBar()->sizeHint().height());

  QtFieldStore::Controls controls{
      fields_, status_, findChild<QLabel*>(QStringLiteral("Label66")),
      findChild<QLabel*>(QStringLiteral("Label67")),
      findChild<QLabel*>(QStringLiteral("Label68"))};
  store_ = std::make_unique<QtFieldStore>(controls, this);

  connect(findChild<QPushButton*>(QStringLiteral("Command5")),
          &QPushButton::clicked, this, [this] { Command5_Click(*store_); });
  connect(findChild<QPushButton*>(QStringLiteral("Command9")),
          &QPushButton::clicked, this, [this] { Command9_Click(*store_); });

  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
          &MainWindow::OnFocusWindowChanged);

  auto* timer = new SecondTimer(QString::fromLatin1(kTimerName), this);
  connect(timer, &SecondTimer::Tick, this, &MainWindow::Timer1_Timer);
  timer->Start(kClockFirstTickMs);

  Form_Load();
}

// The store goes first, and its connections with it, before the fields.
MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::field(Field field) const {
  return fields_[ControlNumber(field) - 1];
}

QWidget* MainWindow::ContainerWidget(Container container) const {
  return containers_[static_cast<int>(container)];
}

void MainWindow::BuildMenus() {
  for (const MenuRow& menu_row : MenuRows()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(menu_row.caption));
    menu->setObjectName(QString::fromLatin1(menu_row.name));
    for (const MenuItemRow& item : menu_row.items) {
      QAction* action = menu->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromLatin1(item.name));
    }
  }
}

void MainWindow::BuildControls() {
  for (const ControlRow& row : ControlRows()) {
    QWidget* parent = ContainerWidget(row.container);
    const QString name = QString::fromLatin1(row.name);
    const QString caption =
        row.caption ? QString::fromUtf8(row.caption) : QString();
    const QRect rect = TwipsRect(row.left, row.top, row.width, row.height);
    QWidget* widget = nullptr;
    switch (row.kind) {
      case ControlKind::kPictureButton: {
        auto* button = new QToolButton(parent);
        button->setIcon(QIcon(QString::fromLatin1(row.picture)));
        button->setIconSize(QSize(row.icon_pixels, row.icon_pixels));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        widget = button;
        break;
      }
      case ControlKind::kTextButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        widget = button;
        break;
      }
      case ControlKind::kAutoLabel:
        widget = new InkLabel(caption, parent);
        break;
      case ControlKind::kFixedLabel:
      case ControlKind::kStrip:
        widget = new QLabel(caption, parent);
        break;
      case ControlKind::kWrappedLabel: {
        auto* label = new WrappedLabel(parent);
        label->setText(caption);
        widget = label;
        break;
      }
      case ControlKind::kLinkLabel:
        widget = new ClickableLabel(parent);
        static_cast<QLabel*>(widget)->setText(caption);
        break;
      case ControlKind::kFrame: {
        auto* frame = new CaptionFrame(caption, parent);
        widget = frame;
        if (name == QLatin1String("Frame1")) {
          containers_[static_cast<int>(Container::kFrame1)] = frame;
        } else if (name == QLatin1String("Frame2")) {
          containers_[static_cast<int>(Container::kFrame2)] = frame;
        } else if (name == QLatin1String("Frame3")) {
          containers_[static_cast<int>(Container::kFrame3)] = frame;
        } else if (name == QLatin1String("Frame4")) {
          containers_[static_cast<int>(Container::kFrame4)] = frame;
        }
        break;
      }
      case ControlKind::kPicture: {
        // A sunken 2-pixel border around the picture, which it is sized to.
        auto* picture = new QLabel(parent);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap(QString::fromLatin1(row.picture)));
        picture->setFocusPolicy(Qt::TabFocus);
        containers_[static_cast<int>(Container::kPicture1)] = picture;
        widget = picture;
        break;
      }
    }
    widget->setObjectName(name);
    if (row.tool_tip) widget->setToolTip(QString::fromUtf8(row.tool_tip));
    if (row.font == ControlFont::kClock) {
      widget->setFont(MakeFont(Face::kHei, kPixels12Pt));
    } else if (row.font == ControlFont::kLink) {
      widget->setFont(MakeFont(Face::kSong, kPixels9Pt, false, true));
    }
    ApplyColours(widget, row.text_colour, row.background);
    if (row.kind == ControlKind::kAutoLabel ||
        row.kind == ControlKind::kLinkLabel) {
      // Figures on the picture are placed inside its border.
      const int inset = row.container == Container::kPicture1 ? 2 : 0;
      widget->move(rect.topLeft() + QPoint(inset, inset));
      widget->adjustSize();
    } else {
      widget->setGeometry(rect);
    }
  }
  clock_ = findChild<QLabel*>(QStringLiteral("Label5"));
  status_ = findChild<QLabel*>(QStringLiteral("Label33"));
}

void MainWindow::BuildFields() {
  for (const FieldRow& row : FieldRows()) {
    const FieldColumn& column = *row.column;
    QWidget* parent = ContainerWidget(column.container);
    const FieldStyleInfo& style = StyleInfo(row.style);

    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Text%1").arg(ControlNumber(row.field)));
    edit->setGeometry(TwipsRect(column.field_left, row.field_top,
                                column.field_width, column.field_height));
    // Fields have no length limit: a long pasted text is kept whole.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setFont(MakeFont(style.hei ? Face::kHei : Face::kSong,
                           style.pixel_size, style.bold));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToColour(style.background));
    if (style.text != kDefaultColour) {
      palette.setColor(QPalette::Text, ToColour(style.text));
    }
    edit->setPalette(palette);
    fields_[ControlNumber(row.field) - 1] = edit;

    QLabel* caption =
        MakeAutoLabel(parent, row.caption_label, row.caption_left,
                      row.caption_top, QString::fromUtf8(row.caption));
    if (row.tool_tip) caption->setToolTip(QString::fromUtf8(row.tool_tip));

    const int unit_top = row.field_top + kUnitDropTwips;
    QLabel* unit = nullptr;
    if (row.unit_box_width > 0) {
      auto* wrapped = new WrappedLabel(parent);
      wrapped->setObjectName(QString::fromLatin1(row.unit_label));
      wrapped->setText(QString::fromUtf8(row.unit));
      wrapped->setGeometry(TwipsRect(column.unit_left, unit_top,
                                     row.unit_box_width, row.unit_box_height));
      unit = wrapped;
    } else {
      unit = MakeAutoLabel(parent, row.unit_label, column.unit_left, unit_top,
                           QString::fromUtf8(row.unit));
    }
    ApplyColours(unit, kUnitTextColour, kDefaultColour);
  }
}

void MainWindow::ArrangeStacking() {
  // Labels on the window lie behind every button, field, frame and picture;
  // the clock lies on the toolbar strip, the strip behind everything.
  for (QLabel* label :
       client_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->objectName() != QLatin1String("Picture1")) label->lower();
  }
  clock_->lower();
  findChild<QWidget*>(QStringLiteral("Label32"))->lower();
  findChild<QWidget*>(QStringLiteral("Command11"))
      ->stackUnder(findChild<QWidget*>(QStringLiteral("Command10")));
  ContainerWidget(Container::kFrame4)->raise();
}

void MainWindow::ArrangeTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const FieldRow& row : FieldRows()) {
    order.emplace_back(row.tab, field(row.field));
  }
  for (const ControlRow& row : ControlRows()) {
    const bool focusable = row.kind == ControlKind::kPictureButton ||
                           row.kind == ControlKind::kTextButton ||
                           row.kind == ControlKind::kPicture;
    if (!focusable) continue;
    order.emplace_back(row.tab,
                       findChild<QWidget*>(QString::fromLatin1(row.name)));
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

void MainWindow::Form_Load() {
  ContainerWidget(Container::kPicture1)->hide();
  for (const char* name : {"Label63", "Label64", "Label65"}) {
    findChild<QWidget*>(QString::fromLatin1(name))->hide();
  }
  ContainerWidget(Container::kFrame4)->hide();
}

void MainWindow::Form_Activate() { field(Field::kU1)->setFocus(); }

void MainWindow::Timer1_Timer(const QDateTime& now) {
  const QString text = ClockText(now, QLocale());
  if (clock_->text() == text) return;  // nothing to repaint
  clock_->setText(text);
  clock_->adjustSize();
}

MainWindow::WindowKind MainWindow::KindOf(QWindow* window) const {
  if (window == nullptr) return WindowKind::kNone;
  if (window->type() == Qt::Popup || window->type() == Qt::ToolTip) {
    return WindowKind::kTransient;
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() == window) {
      return qobject_cast<QMessageBox*>(top) ? WindowKind::kTransient
                                             : WindowKind::kProgramWindow;
    }
  }
  return WindowKind::kProgramWindow;
}

void MainWindow::OnFocusWindowChanged(QWindow* now) {
  const WindowKind before = focus_kind_;
  focus_kind_ = KindOf(now);
  if (now == nullptr || now != windowHandle()) return;
  // The first activation, and every return from another window of the
  // program, put the focus into U1; a closed message box or a return from
  // another application leaves it where it was.
  if (!activated_ || before == WindowKind::kProgramWindow) Form_Activate();
  activated_ = true;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  CenterOnScreen(this);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  CenterOnScreen(this);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const Qt::WindowStates off_normal =
      Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
  // Restored from minimised or maximised: back to the centre.
  if ((change->oldState() & off_normal) && !(windowState() & off_normal)) {
    CenterOnScreen(this);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program with all its windows.
  event->accept();
  QCoreApplication::exit(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    // Moves over a control reach the background too when the control does
    // not track the mouse; only the bare background clears the status.
    if (client_->childAt(move->position().toPoint()) == nullptr) {
      store_->SetCaption(Caption::kStatus, "");
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace spulix

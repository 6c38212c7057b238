// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QActionGroup>
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
#include <limits>
#include <optional>

#include "design/parts/standard_parts.h"
#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/main_window/clock_text.h"
#include "ui/main_window/second_timer.h"
#include "ui/output/design_file_commands.h"
#include "ui/placement/center_on_screen.h"
#include "ui/selection/selection_windows.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/widgets/caption_frame.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/ink_label.h"
#include "ui/widgets/sharp_pictures.h"
#include "ui/widgets/wrapped_label.h"

namespace spulix {
namespace {

constexpr Colour kUnitTextColour = Rgb(0xC00000);
// The window's own texts are translated under this context, the fields'
// captions and units (the engine's catalogue) under "Field".
constexpr const char* kContext = "MainWindow";
constexpr const char* kFieldContext = "Field";

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

// The colour to set, or none where the platform's own stays.
std::optional<QColor> ToColour(Colour colour, const QPalette& palette) {
  switch (colour.source) {
    case Colour::Source::kPlatform:
      return std::nullopt;
    case Colour::Source::kToolTipText:
      return palette.color(QPalette::ToolTipText);
    case Colour::Source::kRgb:
      return QColor(QRgb(0xFF000000u | colour.rgb));
  }
  return std::nullopt;
}

// Text colour, and an opaque background where one is given.
void ApplyColours(QWidget* widget, Colour text, Colour background,
                  QPalette::ColorRole text_role = QPalette::WindowText,
                  QPalette::ColorRole background_role = QPalette::Window) {
  QPalette palette = widget->palette();
  const std::optional<QColor> text_colour = ToColour(text, palette);
  const std::optional<QColor> background_colour = ToColour(background, palette);
  if (text_colour) palette.setColor(text_role, *text_colour);
  if (background_colour) palette.setColor(background_role, *background_colour);
  widget->setPalette(palette);
  if (background_colour && background_role == QPalette::Window) {
    widget->setAutoFillBackground(true);
  }
}

QLabel* MakeAutoLabel(QWidget* parent, const char* name, int left, int top,
                      const char* caption) {
  auto* label = new InkLabel(QString(), parent);
  label->setObjectName(QString::fromLatin1(name));
  SetTranslatedText(label, kFieldContext, caption);
  label->move(Px(left), Px(top));
  label->adjustSize();
  return label;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QString::fromLatin1(kWindowName));
  setWindowTitle(QString::fromLatin1(kWindowTitle));
  setWindowIcon(SharpIcon(QString::fromLatin1(kWindowIcon)));
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

  commands_ = CreateCommands(this);
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
  sheet_choices_ = new DesignSheetChoices(this);
  selection_ = new SelectionWindows(*store_, *sheet_choices_, this);
  selection_->setObjectName(QStringLiteral("SelectionWindows"));
  design_files_ = new DesignFileCommands(
      this, *store_, *sheet_choices_,
      {commands_.open_design, commands_.save_design, commands_.save_design_as,
       commands_.export_report, commands_.export_drawing});
  // Saving right after choosing a core in the sheet window, and the report.
  selection_->SetDesignShortcuts(
      {design_files_->open_action(), design_files_->save_action(),
       design_files_->save_as_action(), design_files_->export_action()});
  // The report names the standard core and wires the design uses.
  design_files_->SetPartsSource([this] {
    return ChosenStandardParts(*store_, selection_->catalogue().cores());
  });
  design_files_->SetCoresSource(
      [this] { return selection_->catalogue().cores(); });
  ConnectCommands(commands_,
                  CommandTargets{this,
                                 store_.get(),
                                 sheet_choices_,
                                 ContainerWidget(Container::kFrame4),
                                 Child("Command10"),
                                 Child("Command11"),
                                 {Child("Picture1"), Child("Label63"),
                                  Child("Label64"), Child("Label65")},
                                 selection_});
  // After Clear has emptied the design, the next design is a new one: it
  // must not overwrite the file of the one before.
  connect(commands_.clear, &QAction::triggered, design_files_,
          &DesignFileCommands::Forget);

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

QWidget* MainWindow::Child(const char* name) const {
  return findChild<QWidget*>(QString::fromLatin1(name));
}

QWidget* MainWindow::ContainerWidget(Container container) const {
  return containers_[static_cast<int>(container)];
}

void MainWindow::BuildMenus() {
  const auto add_menu = [this](const char* name, const char* caption,
                               std::initializer_list<QAction*> items) {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    SetTranslatedText(menu, kContext, caption);
    menu->addActions(QList<QAction*>(items));
    return menu;
  };
  const MainWindowCommands& c = commands_;
  add_menu("WJ", QT_TRANSLATE_NOOP("MainWindow", "文件"),
           {c.open_design, c.save_design, c.save_design_as, c.export_report,
            c.export_drawing, c.print, c.exit});
  add_menu("CX", QT_TRANSLATE_NOOP("MainWindow", "查询"), {c.clear, c.refresh});
  add_menu("BJ", QT_TRANSLATE_NOOP("MainWindow", "编辑"),
           {c.efficiency_table, c.coefficient_table, c.flux_density_table,
            c.stacking_table});
  add_menu("XX", QT_TRANSLATE_NOOP("MainWindow", "选型"),
           {c.standard_cores, c.standard_wires, c.winding_sheet});
  QMenu* help = add_menu("BZ", QT_TRANSLATE_NOOP("MainWindow", "帮助"),
                         {c.help, c.about});
  // Named in both languages, so that either reader finds it.
  QMenu* language = help->addMenu(QStringLiteral("语言 / Language"));
  language->setObjectName(QStringLiteral("Language"));
  auto* languages = new QActionGroup(language);
  for (QAction* item : {c.chinese, c.english}) {
    languages->addAction(item);
    language->addAction(item);
  }
  c.english->setChecked(CurrentLanguage() == Language::kEnglish);
  c.chinese->setChecked(CurrentLanguage() == Language::kChinese);
}

void MainWindow::BuildControls() {
  for (const ControlRow& row : ControlRows()) {
    QWidget* parent = ContainerWidget(row.container);
    const QString name = QString::fromLatin1(row.name);
    QAction* command = row.command ? commands_.*row.command : nullptr;
    const QString caption = command != nullptr ? command->text() : QString();
    const QRect rect = TwipsRect(row.left, row.top, row.width, row.height);
    QWidget* widget = nullptr;
    switch (row.kind) {
      case ControlKind::kPictureButton: {
        auto* button = new QToolButton(parent);
        button->setDefaultAction(command);
        button->setIconSize(QSize(row.icon_pixels, row.icon_pixels));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        widget = button;
        break;
      }
      case ControlKind::kTextButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->addAction(command);
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        // The caption follows the command's, in the current language.
        connect(command, &QAction::changed, button,
                [button, command] { button->setText(command->text()); });
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
      case ControlKind::kLinkLabel: {
        auto* link = new ClickableLabel(parent);
        link->SetDefaultAction(command);
        widget = link;
        break;
      }
      case ControlKind::kFrame:
        widget = new CaptionFrame(caption, parent);
        break;
      case ControlKind::kPicture: {
        // A sunken 2-pixel border around the picture, which it is sized to.
        auto* picture = new QLabel(parent);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(SharpPixmap(QString::fromLatin1(row.picture),
                                       picture->devicePixelRatioF()));
        picture->setFocusPolicy(Qt::TabFocus);
        widget = picture;
        break;
      }
    }
    widget->setObjectName(name);
    if (row.holds) containers_[static_cast<int>(*row.holds)] = widget;
    if (row.caption) SetTranslatedText(widget, kContext, row.caption);
    if (row.tool_tip) {
      SetTranslatedText(widget, kContext, row.tool_tip, TextRole::kToolTip);
    }
    if (row.font == ControlFont::kClock) {
      widget->setFont(MakeFont(Face::kHei, kPixels12Pt));
    } else if (row.font == ControlFont::kLink) {
      widget->setFont(MakeFont(Face::kSong, kPixels9Pt, false, true));
    }
    ApplyColours(widget, row.text, row.background);
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
    const FieldInfo& info = InfoOf(row.field);
    const FieldColumn& column = *row.column;
    QWidget* parent = ContainerWidget(column.container);
    const FieldStyle& style = StyleOf(info.role);

    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(info.control));
    edit->setGeometry(TwipsRect(column.field_left, row.field_top,
                                column.field_width, column.field_height));
    // Fields have no length limit: a long pasted text is kept whole.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setFont(MakeFont(style.hei ? Face::kHei : Face::kSong,
                           style.pixel_size, style.bold));
    ApplyColours(edit, style.text, style.background, QPalette::Text,
                 QPalette::Base);
    fields_[ControlNumber(row.field) - 1] = edit;

    QLabel* caption =
        MakeAutoLabel(parent, info.caption_label, row.caption_left,
                      row.caption_top, info.caption);
    if (info.tool_tip) {
      SetTranslatedText(caption, kFieldContext, info.tool_tip,
                        TextRole::kToolTip);
    }

    const int unit_top = row.field_top + kUnitDropTwips;
    QLabel* unit = nullptr;
    if (row.unit_box_width > 0) {
      auto* wrapped = new WrappedLabel(parent);
      wrapped->setObjectName(QString::fromLatin1(info.unit_label));
      SetTranslatedText(wrapped, kFieldContext, info.unit);
      wrapped->setGeometry(TwipsRect(column.unit_left, unit_top,
                                     row.unit_box_width, row.unit_box_height));
      unit = wrapped;
    } else {
      unit = MakeAutoLabel(parent, info.unit_label, column.unit_left, unit_top,
                           info.unit);
    }
    ApplyColours(unit, kUnitTextColour, kPlatformColour);
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
  QWidget* previous = nullptr;
  for (const char* name : TabOrder()) {
    QWidget* next = Child(name);
    Q_ASSERT_X(next != nullptr, "ArrangeTabOrder", name);
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

void MainWindow::Form_Load() {
  ContainerWidget(Container::kPicture1)->hide();
  for (const char* name : {"Label63", "Label64", "Label65"}) {
    findChild<QWidget*>(QString::fromLatin1(name))->hide();
  }
  ContainerWidget(Container::kFrame4)->hide();
}

void MainWindow::Form_Activate() { field(Field::kInputVoltage)->setFocus(); }

void MainWindow::Retranslate() {
  RetranslateTexts(this);
  store().RetranslateStatus();
  // Auto-sized labels take the size of their new caption.
  for (const ControlRow& row : ControlRows()) {
    if (row.kind == ControlKind::kAutoLabel ||
        row.kind == ControlKind::kLinkLabel) {
      Child(row.name)->adjustSize();
    }
  }
  for (const FieldRow& row : FieldRows()) {
    const FieldInfo& info = InfoOf(row.field);
    Child(info.caption_label)->adjustSize();
    if (row.unit_box_width == 0) Child(info.unit_label)->adjustSize();
  }
  commands_.chinese->setChecked(CurrentLanguage() == Language::kChinese);
  commands_.english->setChecked(CurrentLanguage() == Language::kEnglish);
  design_files_->Retranslate();
  Timer1_Timer(QDateTime::currentDateTime());
}

void MainWindow::Timer1_Timer(const QDateTime& now) {
  const QString text = CurrentLanguage() == Language::kEnglish
                           ? EnglishClockText(now)
                           : ClockText(now, QLocale());
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
  if (event->type() == QEvent::LanguageChange && design_files_ != nullptr) {
    Retranslate();
    return;
  }
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/about_window.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <array>

#include "spulix/version.h"
#include "ui/language/translated_text.h"
#include "ui/placement/center_on_screen.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/ink_label.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {
namespace {

constexpr QSize kClientSize(311, 193);
constexpr QRect kPictureBox(8, 8, 297, 73);
constexpr int kPictureBorder = 2;
const QColor kPictureBackground(0xC0, 0xC0, 0xFF);

struct LabelRow {
  const char* name;
  const char* text;  // Chinese source; %1 stands for the version
  QPoint position;   // in the parent's client area
  bool in_picture;
};

// Three lines inside the picture box, one below the separators, and the
// scope sentence above them.
const std::array<LabelRow, 5> kLabels = {{
    {"Label1", QT_TRANSLATE_NOOP("AboutWindow", "Spulix 变压器计算器"),
     QPoint(112, 8), true},
    {"Label4", QT_TRANSLATE_NOOP("AboutWindow", "版本 %1"), QPoint(112, 32),
     true},
    {"Label3", QT_TRANSLATE_NOOP("AboutWindow", "小型电源变压器设计计算"),
     QPoint(112, 56), true},
    {"Label5", kScopeText, QPoint(16, 88), false},
    {"Label2", QT_TRANSLATE_NOOP("AboutWindow", "版权所有 © Spulix 开发者"),
     QPoint(80, 120), false},
}};
constexpr const char* kOkText = QT_TRANSLATE_NOOP("AboutWindow", "确定");

struct SeparatorRow {
  QPoint from;
  QPoint to;
  QColor colour;
};

const std::array<SeparatorRow, 2> kSeparators = {{
    {QPoint(0, 104), QPoint(320, 104), QColor(0xE0, 0xE0, 0xE0)},
    {QPoint(-8, 112), QPoint(312, 112), QColor(0x80, 0x80, 0x80)},
}};

}  // namespace

AboutWindow::AboutWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Spulix"));
  setWindowIcon(SharpIcon(QStringLiteral(":/icons/spulix.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(WindowFont());
  resize(kClientSize);

  auto* picture_box = new QFrame(this);
  picture_box->setObjectName(QStringLiteral("Picture1"));
  picture_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture_box->setLineWidth(kPictureBorder);
  picture_box->setGeometry(kPictureBox);
  picture_box->setAutoFillBackground(true);
  QPalette box_palette = picture_box->palette();
  box_palette.setColor(QPalette::Window, kPictureBackground);
  picture_box->setPalette(box_palette);
  picture_box->setFocusPolicy(Qt::TabFocus);

  // The picture sits at the top-left of the box's client area; the box is
  // shorter than the picture, so its bottom rows are cut off.
  auto* picture = new QLabel(picture_box);
  picture->setObjectName(QStringLiteral("AboutPicture"));
  picture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setGeometry(QRect(kPictureBorder, kPictureBorder, 72, 72)
                           .intersected(picture_box->contentsRect()));

  for (const LabelRow& row : kLabels) {
    QWidget* parent =
        row.in_picture ? static_cast<QWidget*>(picture_box) : this;
    const QPoint offset =
        row.in_picture ? QPoint(kPictureBorder, kPictureBorder) : QPoint(0, 0);
    auto* label = new InkLabel(parent);
    label->setObjectName(QString::fromUtf8(row.name));
    label->move(row.position + offset);
  }

  auto* ok = new QPushButton(this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(120, 152, 81, 33);
  ok->setDefault(true);
  // Hidden, not closed: the window keeps its place for the next opening.
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  setTabOrder(ok, picture_box);
  ok->setFocus();

  Retranslate();
  CenterOnScreen(this);
}

void AboutWindow::Retranslate() {
  for (const LabelRow& row : kLabels) {
    auto* label = findChild<InkLabel*>(QString::fromUtf8(row.name));
    QString text = Translated(kAboutContext, row.text);
    if (text.contains(QLatin1String("%1"))) {
      text = text.arg(QStringLiteral(SPULIX_VERSION));
    }
    label->setText(text);
    label->adjustSize();
  }
  findChild<QPushButton*>(QStringLiteral("Command1"))
      ->setText(Translated(kAboutContext, kOkText));
}

void AboutWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const SeparatorRow& line : kSeparators) {
    painter.setPen(QPen(line.colour, 1));
    painter.drawLine(line.from, line.to);
  }
}

}  // namespace spulix

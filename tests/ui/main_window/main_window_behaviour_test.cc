// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driving the engine: typing, the store, the core fit and
// test buttons, message boxes, the status line, and closing.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "ui/main_window/main_window.h"

namespace spulix {

class MainWindowBehaviourTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  std::vector<std::string> messages_;

  QString Text(Field field) { return window_->field(field)->text(); }
  QLabel* Label(const char* name) {
    return window_->findChild<QLabel*>(QString::fromLatin1(name));
  }
  QPushButton* Button(const char* name) {
    return window_->findChild<QPushButton*>(QString::fromLatin1(name));
  }

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    messages_.clear();
    window_->store().SetMessageSink(
        [this](std::string_view text) { messages_.emplace_back(text); });
  }
  void cleanup() { window_.reset(); }

  // Each keystroke is a change and runs the whole calculation; with both
  // voltages empty every run asks for them.
  void typingP2RunsOneCalculationPerKeystroke() {
    QTest::keyClicks(window_->field(Field::kOutputPower), "100");
    QCOMPARE(Text(Field::kOutputPower), QStringLiteral("100"));
    std::vector<std::string> expected;
    for (int run = 0; run < 3; ++run) {
      expected.push_back(kMessageEnterInputVoltage);
      expected.push_back(kMessageEnterOutputVoltage);
    }
    QCOMPARE(messages_, expected);
  }

  void typingANumberThatIsNotOneEmptiesP2() {
    window_->store().SetText(Field::kInputVoltage, "220");
    window_->store().SetText(Field::kOutputVoltage, "36");
    QTest::keyClicks(window_->field(Field::kOutputPower), "x");
    QCOMPARE(Text(Field::kOutputPower), QString());
    QCOMPARE(messages_, std::vector<std::string>{kMessageEnterNumber});
  }

  void typingHShowsEachKeystrokeOnTheDiagram() {
    QLineEdit* h = window_->field(Field::kWindowHeight);
    QLabel* figure = Label("Label68");
    QStringList shown;
    for (const QChar c : QStringLiteral("61.5")) {
      QTest::keyClick(h, c.toLatin1());
      shown << figure->text();
      QCOMPARE(figure->size(), figure->sizeHint());
    }
    QCOMPARE(shown, QStringList({"6", "61", "61.", "61.5"}));
    QVERIFY(messages_.empty());
  }

  void settingTheSameTextRunsNothing() {
    QtFieldStore& store = window_->store();
    QVERIFY(store.SetText(Field::kOutputPower, "250"));
    QCOMPARE(messages_.size(), std::size_t{2});
    QVERIFY(!store.SetText(Field::kOutputPower, "250"));
    QCOMPARE(messages_.size(), std::size_t{2});
    QCOMPARE(store.Text(Field::kOutputPower), std::string("250"));
    QVERIFY(store.SetText(Field::kOutputPower, ""));
    QCOMPARE(Text(Field::kOutputPower), QString());
  }

  void storeReadsAndWritesTheWindow() {
    QtFieldStore& store = window_->store();
    window_->field(Field::kPrimaryOuterInsulation)
        ->setText(QStringLiteral("0.17"));
    QCOMPARE(store.Text(Field::kPrimaryOuterInsulation), std::string("0.17"));
    store.SetText(Field::kTurnsPerVolt, "1,234.5");
    QCOMPARE(Text(Field::kTurnsPerVolt), QStringLiteral("1,234.5"));
    store.SetCaption(Caption::kStatus, kClearedStatus);
    QCOMPARE(Label("Label33")->text(), QString::fromUtf8(kClearedStatus));
    QCOMPARE(store.CaptionText(Caption::kStatus), std::string(kClearedStatus));
    store.SetCaption(Caption::kTongueFigure, "35");
    QCOMPARE(Label("Label67")->text(), QStringLiteral("35"));
  }

  // The sample design fills the window as the engine fills its own store
  // (what the sample holds is the engine's test), diagram figures included.
  void testButtonOnAFreshWindow() {
    QTest::mouseClick(Button("Command9"), Qt::LeftButton);
    QVERIFY(messages_.empty());
    MemoryStore reference;
    Command9_Click(reference);
    for (int number = 1; number <= kFieldCount; ++number) {
      const Field field = FieldFromNumber(number);
      QCOMPARE(window_->store().Text(field), reference.Text(field));
    }
    QCOMPARE(Label("Label66")->text(), QStringLiteral("22"));
    QCOMPARE(Label("Label67")->text(), QStringLiteral("35"));
    QCOMPARE(Label("Label68")->text(), QStringLiteral("61.5"));
  }

  void coreFitButton_data() {
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("coil");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("fits") << "22"
                          << "21.9" << QString::fromUtf8(kFitOk);
    QTest::newRow("exact") << "22"
                           << "22.0" << QString::fromUtf8(kFitExact);
    QTest::newRow("too thick") << "22"
                               << "22.1" << QString::fromUtf8(kFitTooThick);
    QTest::newRow("no c") << ""
                          << "21.9" << QString::fromUtf8(kFitIncomplete);
    QTest::newRow("no H") << "22"
                          << "" << QString::fromUtf8(kFitIncomplete);
    QTest::newRow("grouped H") << "22"
                               << "1,022.0" << QString::fromUtf8(kFitTooThick);
  }
  void coreFitButton() {
    QFETCH(QString, c);
    QFETCH(QString, coil);
    QFETCH(QString, verdict);
    window_->field(Field::kWindowWidth)->setText(c);
    window_->field(Field::kCoilThickness)->setText(coil);
    QTest::mouseClick(Button("Command5"), Qt::LeftButton);
    QCOMPARE(messages_, std::vector<std::string>{verdict.toStdString()});
  }

  // A double-click on a wire diameter recomputes the build-up from it.
  void doubleClickOnWireDiameterReachesTheEngine_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("firstResult");
    QTest::newRow("d1") << int(Field::kPrimaryWireDiameter)
                        << int(Field::kPrimaryTurnsPerLayer);
    QTest::newRow("d2") << int(Field::kSecondaryWireDiameter)
                        << int(Field::kSecondaryTurnsPerLayer);
  }
  void doubleClickOnWireDiameterReachesTheEngine() {
    QFETCH(int, field);
    QFETCH(int, firstResult);
    const Field wire = FieldFromNumber(field);
    QTest::mouseClick(Button("Command9"), Qt::LeftButton);
    window_->store().SetText(wire, "1.5");
    const QString before = Text(FieldFromNumber(firstResult));
    MemoryStore reference;
    for (int number = 1; number <= kFieldCount; ++number) {
      reference.SetText(FieldFromNumber(number),
                        window_->store().Text(FieldFromNumber(number)));
    }
    reference.ClearMessages();
    OnFieldDoubleClicked(reference, wire);
    QTest::mouseDClick(window_->field(wire), Qt::LeftButton);
    const QString after = Text(FieldFromNumber(firstResult));
    QVERIFY(after != before);
    for (int number = 1; number <= kFieldCount; ++number) {
      QCOMPARE(window_->store().Text(FieldFromNumber(number)),
               reference.Text(FieldFromNumber(number)));
    }
  }

  // The real message box: text, title, one OK button, no icon, modal.
  void messageBoxIsModalWithOneOkButton() {
    window_->store().SetMessageSink(nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->buttons().size();
      modal = box->isModal();
      box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(Button("Command5"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Spulix"));
    QCOMPARE(text, QString::fromUtf8(kFitIncomplete));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  // Only the bare window background clears the status line.
  void mouseMoveOverTheBackgroundClearsTheStatus() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QWidget* client = window_->client();
    QLabel* status = Label("Label33");
    const QString cleared = QString::fromUtf8(kClearedStatus);
    const auto status_after_move = [&](QPoint at) {
      window_->store().SetCaption(Caption::kStatus, kClearedStatus);
      QTest::mouseMove(client, at);
      QCoreApplication::processEvents();
      return status->text();
    };
    const auto centre_of = [&](const char* name) {
      QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(name));
      return widget->mapTo(client, widget->rect().center());
    };
    QCOMPARE(status_after_move(centre_of("Text1")), cleared);
    QCOMPARE(status_after_move(centre_of("Label10")), cleared);
    QCOMPARE(status_after_move(centre_of("Label33")), cleared);
    QCOMPARE(status_after_move(centre_of("Command5")), cleared);
    QCOMPARE(status_after_move(QPoint(8, 100)), QString());
    QCOMPARE(status_after_move(QPoint(770, 400)), QString());
  }

  // Closing the main window ends the program even while another window of
  // it is open.
  void closingTheWindowEndsTheProgram() {
    window_->show();
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    // A program that kept running would end here with 1.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    // Not by closing the last window: the other one was still open.
    QVERIFY(other.isVisible());
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"

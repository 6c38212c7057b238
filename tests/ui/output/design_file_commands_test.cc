// SPDX-License-Identifier: GPL-3.0-or-later
// Design files in the window: the 文件 menu commands, round trips between
// the window, the file and spulix-calc, bad files and failed saves, drops,
// the file named at start (the PDF report: design_report_test.cc).
#include "tests/ui/output/design_form.h"

namespace spulix {

class DesignFileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The user's own cores come from a scratch folder, never the real home.
    QStandardPaths::setTestModeEnabled(true);
  }

  void MenuHoldsTheNewItemsBeforePrintAndExit() {
    Form1 form;
    auto* menu = form.window().findChild<QMenu*>(QStringLiteral("WJ"));
    QVERIFY(menu != nullptr);
    QStringList captions;
    for (QAction* action : menu->actions()) captions << action->text();
    QCOMPARE(captions,
             QStringList({"打开设计…", "保存设计", "另存为…", "导出报告 (PDF)…",
                          "导出绕制图 (SVG)…", "打印", "退出"}));
    if (const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
        !dir.isEmpty()) {
      menu->adjustSize();
      menu->grab().save(dir + QStringLiteral("/file-menu.png"));
    }
    QCOMPARE(form.files().open_action()->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(form.files().save_action()->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(form.files().save_as_action()->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    // Printing and exit are still what they were: the window starts empty.
    for (int number = 1; number <= kFieldCount; ++number) {
      QVERIFY(form.Text(FieldFromNumber(number)).isEmpty());
    }
  }

  void SavedAfterTheTestButtonOpensExactlyAsShown() {
    const QString path = dir_.filePath(QStringLiteral("样品 设计.spulix"));
    Design saved;
    {
      Form1 form;
      Command9_Click(form.window().store());
      QCOMPARE(form.Text(Field::kCoilThickness), QStringLiteral("14.8"));
      form.Answer(path);
      QVERIFY(form.files().Save());  // the first save asks for a name
      QCOMPARE(form.dialogs().size(), std::size_t{1});
      QVERIFY(form.files().Save());  // the second does not
      QCOMPARE(form.dialogs().size(), std::size_t{1});
      QCOMPARE(form.files().current_file(), path);
      saved = form.Shown();
    }
    Form1 form;
    form.Answer(path);
    form.window().field(Field::kOutputPower)->setText(QStringLiteral("9"));
    form.messages().clear();
    form.files().open_action()->trigger();  // the chooser answers `path`
    QCOMPARE(form.Shown(), saved);
    QCOMPARE(form.Text(Field::kCoilThickness), QStringLiteral("14.8"));
    QCOMPARE(
        form.window().findChild<QLabel*>(QStringLiteral("Label68"))->text(),
        QStringLiteral("61.5"));
    QVERIFY(form.messages().empty());  // no calculation ran
    QCOMPARE(form.window().windowTitle(), QStringLiteral(" Spulix"));
  }

  void WindowAndToolReadEachOthersFiles() {
    const QString from_window = dir_.filePath(QStringLiteral("w.spulix"));
    const QString from_tool = dir_.filePath(QStringLiteral("t.spulix"));
    Form1 form;
    Command9_Click(form.window().store());
    form.window()
        .field(Field::kPrimaryWireDiameter)
        ->setText(QStringLiteral("1,2 逗号"));
    QVERIFY(form.files().SaveTo(from_window));

    const ToolOutput shown =
        Calc({"--json", "--design", from_window.toStdString(), "--save",
              from_tool.toStdString()});
    QCOMPARE(shown.exit_code, 0);
    QVERIFY(shown.out.find("\"Text16\":\"1,2 逗号\"") != std::string::npos);
    QCOMPARE(Slurp(from_tool), Slurp(from_window));

    const ToolOutput changed =
        Calc({"--design", from_tool.toStdString(), "--save",
              from_tool.toStdString(), "U2=12"});
    QCOMPARE(changed.exit_code, 0);
    Form1 other;
    QVERIFY(other.files().Open(from_tool));
    QCOMPARE(other.Text(Field::kOutputVoltage), QStringLiteral("12"));
    QVERIFY(other.Text(Field::kSecondaryTurns) !=
            form.Text(Field::kSecondaryTurns));
  }

  void BadFilesLeaveTheWindowUntouched_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    const std::string good = SerializeDesign(Design{});
    auto replaced = [&](const std::string& from, const std::string& to) {
      std::string text = good;
      text.replace(text.find(from), from.size(), to);
      return QByteArray::fromStdString(text);
    };
    QTest::newRow("not JSON")
        << QByteArray("P2=250") << QStringLiteral("不是有效的 JSON");
    QTest::newRow("truncated")
        << QByteArray::fromStdString(good.substr(0, good.size() - 20))
        << QStringLiteral("不完整");
    QTest::newRow("wrong type") << replaced("\"Text3\": \"\"", "\"Text3\": 3")
                                << QStringLiteral("“Text3”的类型不对");
    QTest::newRow("field missing") << replaced("\"Text29\"", "\"Text0\"")
                                   << QStringLiteral("缺少“Text29”");
    QTest::newRow("invalid UTF-8")
        << replaced("\"Text3\": \"\"", "\"Text3\": \"\xB1\xE4\"")
        << QStringLiteral("无效的 UTF-8");
    QTest::newRow("newer version")
        << replaced("\"version\": 1", "\"version\": 3")
        << QStringLiteral("较新版本");
    QTest::newRow("folder")
        << QByteArray("<folder>") << QStringLiteral("不是一个普通文件");
    QTest::newRow("100 MB")
        << QByteArray("<huge>") << QStringLiteral("文件太大");
  }

  void BadFilesLeaveTheWindowUntouched() {
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    const QString path = dir_.filePath(
        QStringLiteral("bad-%1.spulix").arg(QTest::currentDataTag()));
    if (content == "<folder>") {
      QVERIFY(QDir().mkpath(path));
    } else if (content == "<huge>") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.resize(qint64{100} << 20));
    } else {
      Spit(path, content.toStdString());
    }
    Form1 form;
    Command9_Click(form.window().store());
    const QString good = dir_.filePath(QStringLiteral("good.spulix"));
    QVERIFY(form.files().SaveTo(good));
    const Design before = form.Shown();
    form.messages().clear();

    QVERIFY(!form.files().Open(path));
    QCOMPARE(form.messages().size(), std::size_t{1});
    const QString message = QString::fromStdString(form.messages()[0]);
    QVERIFY2(message.startsWith(QStringLiteral("无法打开设计文件“%1”：")
                                    .arg(QDir::toNativeSeparators(path))),
             qPrintable(message));
    QVERIFY2(message.contains(problem), qPrintable(message));
    QCOMPARE(form.Shown(), before);
    QCOMPARE(form.files().current_file(), good);
  }

  // A few rows of the shared table through the window's commands and its
  // core file: what the design file code refuses, the window refuses with
  // a message; what it writes through, the window writes through.
  void HostileFilesInTheWindow_data() {
    QTest::addColumn<std::size_t>("row");
    const auto& table = testing_support::HostileFiles();
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (QStringList({"DevZero", "NamedPipe", "EndlessPipe", "NestedBrackets",
                       "DanglingLink", "ReadOnlyFile", "PipeInTheWay"})
              .contains(QLatin1String(table[i].name))) {
        QTest::newRow(table[i].name) << i;
      }
    }
  }

  void HostileFilesInTheWindow() {
    QFETCH(std::size_t, row);
    using testing_support::Outcome;
    const testing_support::HostileFile& file =
        testing_support::HostileFiles()[row];
    const testing_support::ScratchFolder scratch;
    const auto fresh = [&](const char* name) {
      std::filesystem::create_directories(scratch.path() / name);
      return file.make(scratch.path() / name);
    };
    const bool accepted = file.design == Outcome::kAccepted;
    Form1 form;
    CoreCatalogue catalogue;
    catalogue.LoadUserCsv("Own,40,20,60\n");
    if (!file.write) {
      const auto design = fresh("design");
      QCOMPARE(form.files().Open(QString::fromStdString(design.path)),
               accepted);
      QCOMPARE(form.messages().size(), std::size_t{accepted ? 0u : 1u});
      // A missing core file is an empty list; any other refusal blocks it.
      const auto cores = fresh("cores");
      QCOMPARE(UserCoreFile(QString::fromStdString(cores.path))
                   .Load(catalogue)
                   .readable,
               file.regular == Outcome::kAccepted);
      return;
    }
    Command9_Click(form.window().store());
    struct Writer {
      const char* folder;
      std::function<bool(const QString&)> write;
      std::function<std::string(const testing_support::MadeFile&)> bytes;
    };
    const Writer writers[] = {
        {"save", [&](const QString& path) { return form.files().SaveTo(path); },
         [&](const auto&) { return SerializeDesign(form.Shown()); }},
        {"report",
         [&](const QString& path) { return form.files().ExportReportTo(path); },
         [&](const auto& made) {  // a PDF: whatever landed, if anything
           return accepted ? Slurp(QString::fromStdString(made.target.string()))
                           : std::string();
         }},
        {"cores",
         [&](const QString& path) {
           return UserCoreFile(path).Save(catalogue).isEmpty();
         },
         [&](const auto&) { return catalogue.UserCsv(); }},
    };
    for (const Writer& writer : writers) {
      const auto made = fresh(writer.folder);
      QCOMPARE(writer.write(QString::fromStdString(made.path)), accepted);
      QCOMPARE(testing_support::WriteEffectProblem(
                   made, scratch.path() / writer.folder, writer.bytes(made),
                   file.design),
               std::string());
    }
    QCOMPARE(form.messages().size(), std::size_t{accepted ? 0u : 2u});
    for (const std::string& message : form.messages()) {
      QVERIFY2(QString::fromStdString(message).contains(
                   QStringLiteral("文件是只读的")) ||
                   QString::fromStdString(message).contains(
                       QStringLiteral("不是一个普通文件")),
               message.c_str());
    }
  }

  void FailedSavesKeepTheEarlierFile() {
    const QString path = dir_.filePath(QStringLiteral("keep.spulix"));
    Form1 form;
    Command9_Click(form.window().store());
    QVERIFY(form.files().SaveTo(path));
    const std::string before = Slurp(path);

    // A full disk: the file size limit stops the write part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 2048;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    form.window()
        .field(Field::kInputPower)
        ->setText(QString(50000, QLatin1Char('8')));
    const bool saved = form.files().Save();
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!saved);
    QCOMPARE(Slurp(path), before);
    QCOMPARE(
        QDir(dir_.path()).entryList({"*keep*"}, QDir::Files | QDir::Hidden),
        QStringList({"keep.spulix"}));

    // A removed folder.
    const QString gone = dir_.filePath(QStringLiteral("gone/x.spulix"));
    QVERIFY(!form.files().SaveTo(gone));
    QCOMPARE(form.messages().size(), std::size_t{2});
    for (const std::string& text : form.messages()) {
      QVERIFY2(QString::fromStdString(text).startsWith(
                   QStringLiteral("无法保存设计文件“")),
               text.c_str());
      QVERIFY(QString::fromStdString(text).contains(
          QStringLiteral("原有文件保持不变")));
    }
    QVERIFY(QString::fromStdString(form.messages()[1]).contains(gone));
    QCOMPARE(form.files().current_file(), path);
  }

  void CancelledDialogsDoNothing() {
    Form1 form;
    form.Answer(QString());
    QVERIFY(!form.files().Save());
    QVERIFY(!form.files().ExportReport());
    form.files().open_action()->trigger();
    QCOMPARE(form.dialogs().size(), std::size_t{3});
    QVERIFY(form.messages().empty());
    QVERIFY(form.files().current_file().isEmpty());
  }

  void DroppedDesignOpensEvenOnAField() {
    const QString path = dir_.filePath(QStringLiteral("drop.spulix"));
    Design design;
    design.texts[Field::kInputVoltage] = "110";
    QVERIFY(!WriteDesignFile(path.toStdString(), design));
    Form1 form;
    form.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window()));
    DropOnto(form.window(), path);
    // Opened once the drop has finished, not inside it.
    QVERIFY(form.Text(Field::kInputVoltage).isEmpty());
    QTRY_COMPARE(form.Text(Field::kInputVoltage), QStringLiteral("110"));
    QVERIFY(form.Text(Field::kOutputPower).isEmpty());  // not the path typed in
    QCOMPARE(form.files().current_file(), path);

    // A bad file dropped: its message, too, comes after the drop.
    const QString bad = dir_.filePath(QStringLiteral("bad-drop.spulix"));
    Spit(bad, "{\"format\": 7}");
    DropOnto(form.window(), bad);
    QVERIFY(form.messages().empty());
    QTRY_COMPARE(form.messages().size(), std::size_t{1});
    QVERIFY(QString::fromStdString(form.messages()[0]).contains(bad));
    QCOMPARE(form.Text(Field::kInputVoltage), QStringLiteral("110"));
    QCOMPARE(form.files().current_file(), path);

    QMimeData other;
    other.setUrls(
        {QUrl::fromLocalFile(dir_.filePath(QStringLiteral("a.txt")))});
    QVERIFY(DroppedDesign(&other).isEmpty());
  }

  void FileNamedAtStartOpensOnceTheWindowRuns() {
    const QString bad = dir_.filePath(QStringLiteral("start.spulix"));
    Spit(bad, "{");
    Form1 form;
    form.files().OpenAtStart(bad);
    QVERIFY(form.messages().empty());  // not before the loop runs
    QTRY_COMPARE(form.messages().size(), std::size_t{1});
    QVERIFY(QString::fromStdString(form.messages()[0]).contains(bad));
    for (int number = 1; number <= kFieldCount; ++number) {
      QVERIFY(form.Text(FieldFromNumber(number)).isEmpty());
    }
  }

  // Page one has every value of the window; page two the winding sheet.
  void SaveItemNamesTheFileAndMarksChanges() {
    const QString path = dir_.filePath(QStringLiteral("trafo150w.spulix"));
    Form1 form;
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计"));
    form.window().field(Field::kOutputPower)->setText(QStringLiteral("150"));
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计 *"));
    form.Answer(path);
    QVERIFY(form.files().Save());
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计 trafo150w.spulix"));
    // The confirmation, in the status line that 清空 also uses.
    QCOMPARE(form.Status(), QStringLiteral("已保存 trafo150w.spulix"));
    form.window().field(Field::kOutputVoltage)->setText(QStringLiteral("24"));
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计 trafo150w.spulix *"));
    form.window().field(Field::kOutputVoltage)->setText(QString());
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计 trafo150w.spulix"));

    // A long name is elided to fit the status line.
    const QString long_name =
        dir_.filePath(QString(120, QLatin1Char('x')) + QStringLiteral(".pdf"));
    QVERIFY(form.files().ExportReportTo(long_name));
    const QLabel* status =
        form.window().findChild<QLabel*>(QStringLiteral("Label33"));
    QVERIFY(form.Status().startsWith(QStringLiteral("报告已导出 ")));
    QVERIFY(form.Status().contains(QChar(0x2026)));
    QVERIFY(status->fontMetrics().horizontalAdvance(form.Status()) <=
            status->contentsRect().width());

    // The note follows the language, and the next edit ends it: it no
    // longer describes the design.
    QVERIFY(
        form.files().ExportReportTo(dir_.filePath(QStringLiteral("r.pdf"))));
    QVERIFY(ApplyLanguage(Language::kEnglish));
    QCOMPARE(form.Status(), QStringLiteral("Report exported: r.pdf"));
    QVERIFY(ApplyLanguage(Language::kChinese));
    QCOMPARE(form.Status(), QStringLiteral("报告已导出 r.pdf"));
    form.window().field(Field::kOutputVoltage)->setText(QStringLiteral("36"));
    QVERIFY(form.Status().isEmpty());
  }

  void ClearEndsTheTieToTheFile() {
    const QString old = dir_.filePath(QStringLiteral("old.spulix"));
    Form1 form;
    Command9_Click(form.window().store());
    QVERIFY(form.files().SaveTo(old));
    // The test button only edits fields: the design stays tied to its file.
    form.window().field(Field::kOutputPower)->setText(QStringLiteral("100"));
    Command9_Click(form.window().store());
    QVERIFY(form.files().Save());
    QCOMPARE(form.dialogs().size(), std::size_t{0});
    const std::string before = Slurp(old);

    form.Clear();
    QVERIFY(form.files().current_file().isEmpty());
    QCOMPARE(form.SaveCaption(), QStringLiteral("保存设计"));
    form.window().field(Field::kInputVoltage)->setText(QStringLiteral("110"));
    form.Answer(QString());  // the user cancels the name
    QVERIFY(!form.files().Save());
    QCOMPARE(form.dialogs().size(), std::size_t{1});
    QCOMPARE(form.suggested(), dir_.filePath(QStringLiteral("未命名.spulix")));
    QVERIFY(!form.files().ExportReport());
    QCOMPARE(form.suggested(), dir_.filePath(QStringLiteral("设计报告.pdf")));
    QCOMPARE(Slurp(old), before);
  }

  void DialogsStartInTheDesignsFolder() {
    Form1 form;
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(form.files().StartFolder(),
             QFileInfo(documents).isDir() ? documents : QDir::homePath());
    form.files().open_action()->trigger();
    QCOMPARE(form.suggested(), form.files().StartFolder());

    QTemporaryDir other;
    const QString chosen = other.filePath(QStringLiteral("a.spulix"));
    form.Answer(chosen);
    form.files().save_as_action()->trigger();
    QCOMPARE(form.files().StartFolder(), other.path());
    form.files().open_action()->trigger();
    QCOMPARE(form.suggested(), chosen);
    // Cleared: the folder last used is still where the dialogs start.
    form.Clear();
    QCOMPARE(form.files().StartFolder(), other.path());
  }

  void UnsavedChangesAreAskedAboutBeforeAnotherDesign_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("saved");
    using U = DesignFileCommands::Unsaved;
    QTest::newRow("取消") << int(U::kCancel) << false << false;
    QTest::newRow("不保存") << int(U::kDiscard) << true << false;
    QTest::newRow("保存") << int(U::kSave) << true << true;
  }

  void UnsavedChangesAreAskedAboutBeforeAnotherDesign() {
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, saved);
    const QString mine = dir_.filePath(QStringLiteral("mine.spulix"));
    const QString other = dir_.filePath(QStringLiteral("other.spulix"));
    Design design;
    design.texts[Field::kInputVoltage] = "110";
    QVERIFY(!WriteDesignFile(other.toStdString(), design));

    Form1 form;
    form.AnswerUnsaved(static_cast<DesignFileCommands::Unsaved>(answer));
    // Nothing to lose: no question.
    QVERIFY(form.files().OpenInstead(other));
    QCOMPARE(form.questions(), 0);
    QVERIFY(form.files().SaveTo(mine));
    form.window().field(Field::kOutputPower)->setText(QStringLiteral("75"));

    // 打开设计…, a drop and the file named at start all ask the same way.
    form.Answer(other);
    form.files().open_action()->trigger();
    QCOMPARE(form.questions(), 1);
    QCOMPARE(form.Text(Field::kOutputPower).isEmpty(), opened);
    QCOMPARE(QString::fromStdString(Slurp(mine)).contains("\"75\""), saved);
    if (!opened) {
      form.files().OpenAtStart(other);
      QTRY_COMPARE(form.questions(), 2);
      form.window().show();
      DropOnto(form.window(), other);
      QTRY_COMPARE(form.questions(), 3);
      QCOMPARE(form.Text(Field::kOutputPower), QStringLiteral("75"));
      QCOMPARE(form.files().current_file(), mine);
    }
  }

  void QtDialogsSpeakChinese() {
    QVERIFY2(ApplyLanguage(Language::kChinese),
             "Qt's translations (qt6-translations-l10n) are not installed");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
  }

 private:
  static void CalculateAgain(Form1& form) {
    form.window().findChild<QAction*>(QStringLiteral("SX"))->trigger();
  }

  QTemporaryDir dir_;
};

}  // namespace spulix

QTEST_MAIN(spulix::DesignFileCommandsTest)
#include "design_file_commands_test.moc"

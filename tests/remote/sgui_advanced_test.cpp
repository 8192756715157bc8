#include <QApplication>
#include <QFrame>
#include <QLabel>

#include "remote_windows.h"
#include "widgets/twips.h"

namespace {

using Access = RecordingStore::Access;

QLineEdit* nameBox(QWidget* w, int n) {
  return control<QLineEdit>(w, keyName(Setting::RowPcName, n));
}
QCheckBox* tick(QWidget* w, Setting setting, int n) {
  return control<QCheckBox>(w, keyName(setting, n));
}
QLineEdit* timeoutBox(QWidget* w) {
  return control<QLineEdit>(w, keyName(Setting::ShutdownTimeout));
}
QLineEdit* commandBox(QWidget* w) {
  return control<QLineEdit>(w, QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX"));
}
QPushButton* button(QWidget* w, const QString& name) {
  return control<QPushButton>(w, name);
}

const Setting kGroupsInStoreOrder[] = {Setting::RowBatchRun, Setting::RowPcName,
                                       Setting::RowShutdown, Setting::RowRestart,
                                       Setting::RowForce};

QString numberBoxName(int n) {
  return n == 1 ? QStringLiteral("PC_NUMBER_1_TEXTBOX") : QStringLiteral("Text%1").arg(n + 28);
}

class SguiAdvancedTest : public RemoteWindowsTest {};

}  // namespace

TEST_F(SguiAdvancedTest, EmptyStoreOpensWithDefaultsAfter155ReadsInOrder) {
  insideAdvanced([](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("OL-HALTDECK - SHUTDOWN GUI - ADVANCED"));
    EXPECT_EQ(w->pos(), QPoint(twipsToPixels(1000), twipsToPixels(1000)));
    EXPECT_EQ(w->size(), QSize(twipsToPixels(14505), twipsToPixels(7125)));
    EXPECT_EQ(timeoutBox(w)->text(), QStringLiteral("30"));
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      EXPECT_EQ(nameBox(w, n)->text(), QString()) << n;
      for (Setting s :
           {Setting::RowBatchRun, Setting::RowShutdown, Setting::RowRestart, Setting::RowForce}) {
        EXPECT_EQ(tick(w, s, n)->checkState(), Qt::Unchecked) << n;
      }
    }
    EXPECT_FALSE(control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"))->isChecked());
    EXPECT_FALSE(button(w, QStringLiteral("BATCH_RUN_BUTTON"))->isEnabled());
    EXPECT_EQ(commandBox(w)->text(), QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!"));
    EXPECT_EQ(w->focusWidget(), button(w, QStringLiteral("CLOSE_BUTTON")));
  });
  QList<Access> expected{
      {Access::Read, placementName(WindowId::SguiAdvanced, PlacementEdge::Left), "1000"},
      {Access::Read, placementName(WindowId::SguiAdvanced, PlacementEdge::Top), "1000"},
      {Access::Read, placementName(WindowId::SguiAdvanced, PlacementEdge::Width), "14595"},
      {Access::Read, placementName(WindowId::SguiAdvanced, PlacementEdge::Height), "7500"},
      {Access::Read, keyName(Setting::ShutdownTimeout), "30"},
  };
  for (Setting group : kGroupsInStoreOrder) {
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      expected.append({Access::Read, keyName(group, n), group == Setting::RowPcName ? "" : "0"});
    }
  }
  ASSERT_EQ(expected.size(), 155);
  EXPECT_EQ(store.accesses().mid(0, 155), expected);
  EXPECT_EQ(store.readKeys().size(), 155);
}

TEST_F(SguiAdvancedTest, HeaderAndFooterSitWhereTheLayoutPutsThem) {
  const QList<ExpectedControl> places = {
      {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 2655, 375}, kTitleLook},
      {"OL_TITLE_2", "OL-HALTDECK", {2880, 120, 2055, 375}, kTitleLook},
      {"SHUTDOWN_TIMEOUT_1_LABEL",
       "Shutdown Timeout (Seconds)",
       {5040, 120, 2175, 255},
       kPlainRightAligned},
      {"SHUTDOWN_TIMEOUT_2_LABEL",
       "0-315360000 (10 years)",
       {5400, 360, 1815, 255},
       kPlainRightAligned},
      {keyName(Setting::ShutdownTimeout), "30", {7320, 120, 1095, 315}},
      {"SGUI_ADVANCED_LABEL", "SHUTDOWN GUI - ADVANCED", {8640, 120, 5655, 375}, kTitleLook},
      {"BATCH_RUN_BUTTON", "BATCH RUN", {1200, 6360, 1695, 375}},
      {"ENABLE_BATCH_RUN_TICKBOX", "Enable Batch Run", {3120, 6360, 1095, 375}},
      {"ABORT_ALL_BUTTON", "ABORT ALL", {4440, 6360, 1215, 375}},
      {"SAVE_BUTTON", "Save", {5880, 6360, 1215, 375}},
      {"CLOSE_BUTTON", "Close", {7320, 6360, 1215, 375}},
      {"ALL_CMD_COMMANDS_TEXTBOX",
       "!!! COMMAND GENERATED AT RUNTIME !!!",
       {8760, 6360, 5535, 375},
       kPlainCentred},
  };
  SguiAdvanced window(store, launcher, nullptr);
  expectLayout(&window, places);
  const QFrame* rule = control<QFrame>(&window, QStringLiteral("Line1"));
  EXPECT_EQ(rule->frameShape(), QFrame::VLine);
  EXPECT_EQ(rule->geometry().top(), twipsToPixels(600));
  EXPECT_EQ(rule->geometry().bottom() + 1, twipsToPixels(6240));
  EXPECT_EQ(rule->geometry().left(), twipsToPixels(7200));
}

TEST_F(SguiAdvancedTest, ThirtyRowsInTwoColumnsOfFifteen) {
  struct Field {
    QString (*name)(int row);
    const char* caption;
    int x;
    int width;
    int height;
    ExpectedLook look = kPlain;
  };
  const Field fields[] = {
      {numberBoxName,
       nullptr,
       120,
       375,
       285,
       {"Arial Black", 8.25, QFont::Black, "#FFFF00", "#000000", Qt::AlignHCenter}},
      {[](int n) { return keyName(Setting::RowBatchRun, n); }, "Batch Run", 600, 1095, 255},
      {[](int n) { return keyName(Setting::RowPcName, n); }, "", 1800, 2055, 285},
      {[](int n) { return keyName(Setting::RowShutdown, n); }, "S", 3960, 495, 255},
      {[](int n) { return keyName(Setting::RowRestart, n); }, "R", 4560, 495, 255},
      {[](int n) { return keyName(Setting::RowForce, n); }, "F", 5160, 495, 255},
      {[](int n) { return QStringLiteral("RUN_%1_BUTTON").arg(n); }, "Run", 5760, 615, 255},
      {[](int n) { return QStringLiteral("ABORT_%1_BUTTON").arg(n); }, "Abort", 6480, 615, 255},
  };
  SguiAdvanced window(store, launcher, nullptr);
  QList<ExpectedControl> grid;
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    const int top = 720 + 360 * ((n - 1) % 15);
    const int shift = n <= 15 ? 0 : 7200;
    for (const Field& field : fields) {
      const QString caption = field.caption ? QLatin1String(field.caption) : QString::number(n);
      grid.append(
          {field.name(n), caption, {field.x + shift, top, field.width, field.height}, field.look});
    }
  }
  expectLayout(&window, grid);
  // The two ends of the numbered family, spelled out.
  EXPECT_EQ(control<QLineEdit>(&window, QStringLiteral("Text30"))->text(), QStringLiteral("2"));
  EXPECT_EQ(control<QLineEdit>(&window, QStringLiteral("Text58"))->text(), QStringLiteral("30"));
  EXPECT_EQ(control<QLineEdit>(&window, QStringLiteral("Text58"))->geometry().topLeft(),
            toPixels({7320, 5760, 0, 0}).topLeft());
  const QLineEdit* number = control<QLineEdit>(&window, QStringLiteral("PC_NUMBER_1_TEXTBOX"));
  EXPECT_EQ(number->font().weight(), QFont::Black);
  EXPECT_EQ(number->alignment(), Qt::AlignCenter);
  EXPECT_FALSE(number->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(number->isReadOnly());
}

TEST_F(SguiAdvancedTest, TabGoesFromCloseThroughTheTimeoutAndTheRowsToTheCommandBox) {
  QStringList expected{QStringLiteral("CLOSE_BUTTON"), keyName(Setting::ShutdownTimeout)};
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    expected << keyName(Setting::RowBatchRun, n) << keyName(Setting::RowPcName, n)
             << keyName(Setting::RowShutdown, n) << keyName(Setting::RowRestart, n)
             << keyName(Setting::RowForce, n) << QStringLiteral("RUN_%1_BUTTON").arg(n)
             << QStringLiteral("ABORT_%1_BUTTON").arg(n);
  }
  expected << QStringLiteral("ENABLE_BATCH_RUN_TICKBOX") << QStringLiteral("BATCH_RUN_BUTTON")
           << QStringLiteral("ABORT_ALL_BUTTON") << QStringLiteral("SAVE_BUTTON")
           << QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX");
  SguiAdvanced window(store, launcher, nullptr);
  QStringList chain;
  QWidget* widget = control<QWidget>(&window, expected.first());
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain.append(widget->objectName());
    widget = widget->nextInFocusChain();
  } while (widget->objectName() != expected.first());
  EXPECT_EQ(chain, expected);
}

TEST_F(SguiAdvancedTest, SaveWrites153ValuesInOrderAndStaysOpen) {
  insideAdvanced([this](QWidget* w) {
    w->move(20, 40);
    timeoutBox(w)->setText(QStringLiteral("75"));
    nameBox(w, 4)->setText(QStringLiteral("PC04"));
    clickTick(tick(w, Setting::RowBatchRun, 4));
    clickTick(tick(w, Setting::RowForce, 30));
    store.clearAccesses();
    click(w, QStringLiteral("SAVE_BUTTON"));
    EXPECT_TRUE(w->isVisible());
    QStringList expected{placementName(WindowId::SguiAdvanced, PlacementEdge::Left) + "=300",
                         placementName(WindowId::SguiAdvanced, PlacementEdge::Top) + "=600",
                         keyName(Setting::ShutdownTimeout) + "=75"};
    for (Setting group : kGroupsInStoreOrder) {
      for (int n = 1; n <= kRemoteRowCount; ++n) {
        QString value = group == Setting::RowPcName ? QString() : QStringLiteral("0");
        if (n == 4 && group == Setting::RowPcName) value = QStringLiteral("PC04");
        if ((n == 4 && group == Setting::RowBatchRun) || (n == 30 && group == Setting::RowForce)) {
          value = QStringLiteral("1");
        }
        expected.append(keyName(group, n) + u'=' + value);
      }
    }
    ASSERT_EQ(expected.size(), 153);
    EXPECT_EQ(store.writes(), expected);
    EXPECT_TRUE(store.readKeys().isEmpty());
  });
}

TEST_F(SguiAdvancedTest, NamesWithBlanksInRowsOneAndThirtyRoundTripThroughSaveAndReopen) {
  insideAdvanced([](QWidget* w) {
    QTest::keyClicks(nameBox(w, 1), QStringLiteral("  PC 01 "));
    QTest::keyClicks(nameBox(w, 30), QStringLiteral(" PC 30  "));
    clickTick(tick(w, Setting::RowShutdown, 1));
    clickTick(tick(w, Setting::RowShutdown, 7));  // S and R of one row may both be ticked
    clickTick(tick(w, Setting::RowRestart, 7));
    click(w, QStringLiteral("SAVE_BUTTON"));
    click(w, QStringLiteral("CLOSE_BUTTON"));
  });
  insideAdvanced([](QWidget* w) {
    EXPECT_EQ(nameBox(w, 1)->text(), QStringLiteral("  PC 01 "));
    EXPECT_EQ(nameBox(w, 30)->text(), QStringLiteral(" PC 30  "));
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      if (n != 1 && n != 30) {
        EXPECT_EQ(nameBox(w, n)->text(), QString()) << n;
      }
      EXPECT_EQ(tick(w, Setting::RowShutdown, n)->isChecked(), n == 1 || n == 7) << n;
      EXPECT_EQ(tick(w, Setting::RowRestart, n)->isChecked(), n == 7) << n;
      EXPECT_FALSE(tick(w, Setting::RowForce, n)->isChecked()) << n;
      EXPECT_FALSE(tick(w, Setting::RowBatchRun, n)->isChecked()) << n;
    }
  });
}

TEST_F(SguiAdvancedTest, EveryWayOfClosingLosesUnsavedEditsButSavesThePosition) {
  struct Road {
    const char* name;
    std::function<void(QWidget*)> close;
  };
  const Road roads[] = {
      {"Close", [](QWidget* w) { click(w, QStringLiteral("CLOSE_BUTTON")); }},
      {"close box", [](QWidget* w) { w->close(); }},
      {"Esc", [](QWidget* w) { QTest::keyClick(nameBox(w, 12), Qt::Key_Escape); }},
      {"Enter in a name", [](QWidget* w) { QTest::keyClick(nameBox(w, 12), Qt::Key_Return); }},
      {"Enter in the timeout", [](QWidget* w) { QTest::keyClick(timeoutBox(w), Qt::Key_Return); }},
  };
  store.preset(keyName(Setting::RowPcName, 12), QStringLiteral("SAVED"));
  for (const Road& road : roads) {
    insideAdvanced([&](QWidget* w) {
      w->move(10, 20);
      nameBox(w, 12)->setFocus();
      QTest::keyClicks(nameBox(w, 12), QStringLiteral("EDIT"));
      timeoutBox(w)->setText(QStringLiteral("5"));
      clickTick(tick(w, Setting::RowForce, 12));
      store.clearAccesses();
      road.close(w);
      EXPECT_FALSE(w->isVisible()) << road.name;
    });
    EXPECT_EQ(store.writes(),
              (QStringList{placementName(WindowId::SguiAdvanced, PlacementEdge::Left) + "=150",
                           placementName(WindowId::SguiAdvanced, PlacementEdge::Top) + "=300"}))
        << road.name;
    EXPECT_TRUE(launcher.launches.isEmpty()) << road.name;
    insideAdvanced([&](QWidget* w) {
      EXPECT_EQ(nameBox(w, 12)->text(), QStringLiteral("SAVED")) << road.name;
      EXPECT_EQ(timeoutBox(w)->text(), QStringLiteral("30")) << road.name;
      EXPECT_FALSE(tick(w, Setting::RowForce, 12)->isChecked()) << road.name;
      EXPECT_EQ(w->pos(), QPoint(10, 20)) << road.name;
    });
  }
}

TEST_F(SguiAdvancedTest, EnableBatchRunGatesOnlyBatchRunAndIsClearAtEveryOpening) {
  insideAdvanced([](QWidget* w) {
    QCheckBox* gate = control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"));
    QPushButton* batchRun = button(w, QStringLiteral("BATCH_RUN_BUTTON"));
    clickTick(gate);
    EXPECT_TRUE(batchRun->isEnabled());
    clickTick(gate);
    EXPECT_FALSE(batchRun->isEnabled());
    EXPECT_TRUE(button(w, QStringLiteral("ABORT_ALL_BUTTON"))->isEnabled());
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      EXPECT_TRUE(button(w, QStringLiteral("RUN_%1_BUTTON").arg(n))->isEnabled());
      EXPECT_TRUE(button(w, QStringLiteral("ABORT_%1_BUTTON").arg(n))->isEnabled());
    }
    clickTick(gate);
    click(w, QStringLiteral("SAVE_BUTTON"));
  });
  insideAdvanced([](QWidget* w) {
    EXPECT_FALSE(control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"))->isChecked());
    EXPECT_FALSE(button(w, QStringLiteral("BATCH_RUN_BUTTON"))->isEnabled());
  });
}

TEST_F(SguiAdvancedTest, EachRowsRunAndAbortActOnThatRowAsItIsShownBeforeAnySave) {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    store.preset(keyName(Setting::RowPcName, n), QStringLiteral("STORED%1").arg(n));
    store.preset(keyName(Setting::RowRestart, n), QStringLiteral("1"));
  }
  insideAdvanced([this](QWidget* w) {
    timeoutBox(w)->setText(QStringLiteral("15"));
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      nameBox(w, n)->setText(QStringLiteral("PC%1").arg(n));
      if (n % 2) clickTick(tick(w, Setting::RowRestart, n));  // odd rows: shut down instead
      if (n % 2) clickTick(tick(w, Setting::RowShutdown, n));
      if (n % 3 == 0) clickTick(tick(w, Setting::RowBatchRun, n));  // makes no difference
    }
    for (int n = 1; n <= kRemoteRowCount; ++n) {
      launcher.launches.clear();
      click(w, QStringLiteral("RUN_%1_BUTTON").arg(n));
      click(w, QStringLiteral("ABORT_%1_BUTTON").arg(n));
      const QString run =
          QStringLiteral("shutdown /%1 /m \\\\PC%2 /t 15").arg(n % 2 ? "s" : "g").arg(n);
      const QString abort = QStringLiteral("shutdown /a /m \\\\PC%1").arg(n);
      EXPECT_EQ(launcher.commandLines(), (QStringList{run, abort})) << n;
      EXPECT_EQ(commandBox(w)->text(), abort);
    }
  });
}

namespace {

// Every push button of a dialog presses on Enter while it has the focus; only when none
// has it does Enter go to Close.
TEST_F(SguiAdvancedTest, EnterPressesTheFocusedRowOrSaveButtonAndNotClose) {
  store.preset(keyName(Setting::RowPcName, 5), QStringLiteral("PC5"));
  store.preset(keyName(Setting::RowShutdown, 5), QStringLiteral("1"));
  store.preset(keyName(Setting::RowPcName, 20), QStringLiteral("PC20"));
  struct Case {
    QString button;
    QStringList launched;
    bool saved;
  };
  const Case cases[] = {
      {QStringLiteral("RUN_5_BUTTON"), {R"(shutdown /s /m \\PC5 /t 30)"}, false},
      {QStringLiteral("ABORT_20_BUTTON"), {R"(shutdown /a /m \\PC20)"}, false},
      {QStringLiteral("SAVE_BUTTON"), {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button.toStdString());
    launcher.launches.clear();
    insideAdvanced([&](QWidget* window) {
      store.clearAccesses();
      control<QPushButton>(window, c.button)->setFocus(Qt::TabFocusReason);
      key(window, Qt::Key_Return);
      EXPECT_TRUE(window->isVisible()) << "Enter pressed Close";
      EXPECT_EQ(launcher.commandLines(), c.launched);
      EXPECT_EQ(store.writtenKeys().size(), c.saved ? 153 : 0);
    });
  }
}

}  // namespace

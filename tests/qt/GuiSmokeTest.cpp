// The whole program on the offscreen desktop: started on a copy of a test logbook, the pilot
// switches pages with the page buttons, changes a flight, saves, saves under a new name,
// opens the first file again and leaves through File > Exit. File dialogs and message boxes
// are answered from a queue by the fixture's platform; everything else is the real Qt layer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <deque>

#include "GuiProgramFixture.h"
#include "QStringPrinter.h"
#include "core/PosixFileSystem.h"
#include "flights/RoseDrawing.h"
#include "flights/frmAloftra.h"
#include "qt/FormBinding.h"
#include "qt/QtConvert.h"
#include "qt/QtPlatform.h"
#include "qt/Session.h"
#include "shell/App.h"

namespace aloftra::test {
namespace {

class GuiSmokeTest : public GuiProgramTest {};

TEST_F(GuiSmokeTest, ThePilotSwitchesPagesEditsSavesOpensAndExits) {
  // Started on the logbook: the flight page shows it, named after its file.
  ASSERT_TRUE(Shown("frmAloftra"));
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge"));
  EXPECT_TRUE(platform.prompts.empty());

  // The page buttons show one page in place of the other, exactly where it was.
  const QRect place = WindowNamed("frmAloftra")->geometry();
  ClickButton("frmAloftra", "GotoSiteList");
  EXPECT_TRUE(Shown("frmSiteList"));
  EXPECT_FALSE(Shown("frmAloftra"));
  EXPECT_EQ(WindowNamed("frmSiteList")->geometry().topLeft(), place.topLeft());
  ClickButton("frmSiteList", "GotoGliders");
  EXPECT_TRUE(Shown("frmGliders"));
  EXPECT_FALSE(Shown("frmSiteList"));
  ClickButton("frmGliders", "GotoAloftra");
  ASSERT_TRUE(Shown("frmAloftra"));
  EXPECT_FALSE(Shown("frmGliders"));

  // A change to the shown flight, entered: every page's caption gets its star.
  auto* remarks = Find<QPlainTextEdit>("frmAloftra", "Remarks");
  ASSERT_NE(remarks, nullptr);
  remarks->setFocus();
  remarks->moveCursor(QTextCursor::End);
  QTest::keyClicks(remarks, " and back");
  ClickButton("frmAloftra", "Enter");
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge*"));
  ClickButton("frmAloftra", "GotoNotes");
  EXPECT_EQ(Title("frmNotes"), QStringLiteral("Aloftra - Ridge*"));

  // Save, from the notes page's menu: the star goes and the change is on the disk.
  ChooseMenuItem("frmNotes", "FileMenu(2)");
  EXPECT_EQ(Title("frmNotes"), QStringLiteral("Aloftra - Ridge"));
  QFile saved(logbook);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("and back"));
  saved.close();

  // Save As under a new name, then Open the first file again.
  std::string copy = folder.filePath(QStringLiteral("Coast.log")).toStdString();
  platform.files.push_back(copy);
  ChooseMenuItem("frmNotes", "FileMenu(3)");
  EXPECT_EQ(Title("frmNotes"), QStringLiteral("Aloftra - Coast"));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(copy)));
  platform.files.push_back(logbook.toStdString());
  ChooseMenuItem("frmNotes", "FileMenu(1)");
  EXPECT_EQ(Title("frmNotes"), QStringLiteral("Aloftra - Ridge"));
  EXPECT_TRUE(platform.prompts.empty());
  // A hidden page's window is brought up to date as it is shown.
  ClickButton("frmNotes", "GotoAloftra");
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge"));

  // File > Exit with nothing to save ends the program and closes its windows.
  ChooseMenuItem("frmAloftra", "FileMenu(10)");
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(binding.QuitDone());
  EXPECT_FALSE(Shown("frmAloftra"));
}

TEST_F(GuiSmokeTest, ThePilotTypesANewFlightEntersItAndDeletesItAgain) {
  const Logbook& book = app.Book();
  const int flightsBefore = book.LastPosition() + 1;
  // Keyboard focus goes to the active window only.
  QWidget* page = WindowNamed("frmAloftra");
  page->activateWindow();
  QApplication::setActiveWindow(page);
  ASSERT_TRUE(QTest::qWaitForWindowActive(page));
  ClickButton("frmAloftra", "NewEntry");
  auto* date = Find<QLineEdit>("frmAloftra", "FlightDate");
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(Find<QLabel>("frmAloftra", "EntryIndex")->text(), QStringLiteral("- New Entry -"));
  EXPECT_TRUE(date->hasFocus());

  // Typed field by field, leaving each with Tab, as a pilot does.
  date->selectAll();
  QTest::keyClicks(date, "7/4/2001");
  QTest::keyClick(date, Qt::Key_Tab);
  EXPECT_EQ(date->text(), QStringLiteral("Jul 4, 2001"));
  auto* time = Find<QLineEdit>("frmAloftra", "TimeOfDay");
  ASSERT_TRUE(time->hasFocus());
  QTest::keyClicks(time, "2:30 pm");
  QTest::keyClick(time, Qt::Key_Tab);
  EXPECT_EQ(time->text(), QStringLiteral("14:30"));  // this logbook keeps the 24-hour clock
  auto* airtime = Find<QLineEdit>("frmAloftra", "AirTime");
  QTest::keyClicks(airtime, "95");
  QTest::keyClick(airtime, Qt::Key_Tab);
  EXPECT_EQ(airtime->text(), QStringLiteral("1:35"));
  for (const char* name : {"GliderName", "SiteName"}) {
    auto* combo = Find<QComboBox>("frmAloftra", name);
    ASSERT_NE(combo, nullptr) << name;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 0) << name;
  }
  // North on the wind rose, and a moderate turbulence, both clicked on the page itself.
  QWidget* canvas = Find<QWidget>("frmAloftra", "frmAloftraCanvas");
  ASSERT_NE(canvas, nullptr);
  // The site chose its own wind directions; north is flipped from what it set.
  const Flag northBefore = app.Aloftra().RoseFlags[4];
  QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(6060 / 15, (1860 - 450) / 15));
  QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(4100 / 15, 2820 / 15));
  const Flag north = northBefore == 1 ? 0 : 1;
  EXPECT_EQ(app.Aloftra().RoseFlags[4], north);
  EXPECT_EQ(app.Aloftra().TurbulenceLevel, 3);

  ClickButton("frmAloftra", "Enter");
  ASSERT_EQ(book.LastPosition() + 1, flightsBefore + 1)
      << (platform.prompts.empty() ? std::string() : platform.prompts.back());
  const FlightRecord* entered = book.CurrentFlight();
  ASSERT_NE(entered, nullptr);
  EXPECT_EQ(entered->AIRTIME, 95);
  EXPECT_EQ(entered->WIND_FLAGS[4], north);
  EXPECT_EQ(entered->TURBULENCE, 3);
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge*"));

  // Delete, confirmed: the flight goes and the most recent one is shown.
  platform.answers.push_back(MsgBoxAnswer::kYes);
  ClickButton("frmAloftra", "DeleteEntry");
  EXPECT_EQ(platform.prompts.back(), "Are you sure you want to delete the current entry?");
  EXPECT_EQ(book.LastPosition() + 1, flightsBefore);
  EXPECT_EQ(
      Find<QLabel>("frmAloftra", "EntryIndex")->text(),
      QString::number(flightsBefore) + QStringLiteral(" of ") + QString::number(flightsBefore));
}

// Expanded, the remarks box leaves nothing of what it covers on the screen: no wedge of the
// rose, no line of the lift bar above it, and no expand button inside it.
TEST_F(GuiSmokeTest, TheEnlargedRemarksBoxLeavesNothingItCoversShowing) {
  frmAloftra& flights = app.Aloftra();
  ASSERT_TRUE(binding.Dispatch([&] {
    flights.MaxLift.SetText("1000");
    flights.RoseFlags.fill(kFlagSet);
    flights.DrawRose();
  }));
  const QColor wedge = qt::ToQColor(kRoseSetColor, QPalette());
  // Pixels of the wedges' colour or of the lift bar's greens.
  auto roseAndBar = [&] {
    QImage image = WindowNamed("frmAloftra")->grab().toImage();
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        QColor c = image.pixelColor(x, y);
        bool lift = c.green() == 255 && c.red() == c.blue() && c.red() <= 220;
        if (c == wedge || lift) ++found;
      }
    }
    return found;
  };
  ASSERT_GT(roseAndBar(), 1000);

  ClickButton("frmAloftra", "RemarksExpand");
  ASSERT_TRUE(flights.RemarksExpanded);
  EXPECT_EQ(roseAndBar(), 0);
  EXPECT_FALSE(Find<QPushButton>("frmAloftra", "RemarksExpand")->isVisible());

  ClickButton("frmAloftra", "RemarksRestore");
  EXPECT_GT(roseAndBar(), 1000);
}

TEST_F(GuiSmokeTest, TheCloseBoxAsksAboutUnsavedChangesAndCancelKeepsTheProgram) {
  auto* remarks = Find<QPlainTextEdit>("frmAloftra", "Remarks");
  ASSERT_NE(remarks, nullptr);
  remarks->setFocus();
  QTest::keyClicks(remarks, "x");
  ClickButton("frmAloftra", "Enter");
  ASSERT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge*"));

  platform.answers.push_back(MsgBoxAnswer::kCancel);
  WindowNamed("frmAloftra")->close();
  ASSERT_EQ(platform.prompts.size(), 1u);
  EXPECT_EQ(platform.prompts[0], "Do you want to save changes to Ridge?");
  EXPECT_FALSE(app.Ended());
  EXPECT_TRUE(Shown("frmAloftra"));

  platform.answers.push_back(MsgBoxAnswer::kNo);
  WindowNamed("frmAloftra")->close();
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(Shown("frmAloftra"));
}

TEST_F(GuiSmokeTest, ADialogOpensOverItsPageWhichIsDisabledUntilItCloses) {
  ChooseMenuItem("frmAloftra", "HelpMenu(2)");
  ASSERT_TRUE(Shown("frmAbout"));
  QWidget* page = WindowNamed("frmAloftra");
  QWidget* about = WindowNamed("frmAbout");
  EXPECT_FALSE(page->isEnabled());
  EXPECT_EQ(about->pos(), page->pos() + QPoint(20, 40));
  ClickButton("frmAbout", "Close");
  EXPECT_FALSE(Shown("frmAbout"));
  EXPECT_TRUE(page->isEnabled());
}

// From File > New, with nothing but the program: a site and a glider are created on their
// pages through the widgets, and a first flight is logged with them.
TEST_F(GuiSmokeTest, ANewLogbookTakesAFirstFlightOnASiteAndAGliderCreatedThroughTheWidgets) {
  ChooseMenuItem("frmAloftra", "FileMenu(0)");
  const Logbook& book = app.Book();
  ASSERT_EQ(book.sites.LiveCount(), 0);
  auto activate = [this](const char* form) {
    QWidget* window = WindowNamed(form);
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
  };
  auto typeInto = [](QWidget* box, const char* text) {
    ASSERT_NE(box, nullptr) << text;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // over what the box holds
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
  };

  ClickButton("frmAloftra", "GotoSiteList");
  ASSERT_TRUE(activate("frmSiteList"));
  auto* siteName = Find<QComboBox>("frmSiteList", "SiteName");
  ASSERT_NE(siteName, nullptr);
  ASSERT_TRUE(siteName->isEditable());
  // A letter no key of the test keyboard has, typed as a keyboard layout would send it.
  siteName->lineEdit()->setFocus();
  QTest::keyClicks(siteName->lineEdit(), "K");
  QKeyEvent umlaut(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u00F6"));
  QApplication::sendEvent(siteName->lineEdit(), &umlaut);
  QTest::keyClicks(siteName->lineEdit(), "ssen");
  QTest::keyClick(siteName->lineEdit(), Qt::Key_Tab);
  typeInto(Find<QLineEdit>("frmSiteList", "Location"), "Tirol");
  typeInto(Find<QLineEdit>("frmSiteList", "LaunchMSL"), "5000");
  ClickButton("frmSiteList", "Enter");
  ASSERT_EQ(book.sites.LiveCount(), 1) << platform.prompts.size();
  EXPECT_EQ(book.sites[0].SITE_NAME, "K\xC3\xB6ssen");
  EXPECT_EQ(book.sites[0].LAUNCH_MSL, 5000);
  EXPECT_EQ(Find<QLineEdit>("frmSiteList", "TotalSites")->text(), QStringLiteral("1"));

  ClickButton("frmSiteList", "GotoGliders");
  ASSERT_TRUE(activate("frmGliders"));
  auto* gliderName = Find<QComboBox>("frmGliders", "GliderName");
  ASSERT_NE(gliderName, nullptr);
  typeInto(gliderName->lineEdit(), "Falcon 4");
  typeInto(Find<QLineEdit>("frmGliders", "Manufacturer"), "Wills Wing");
  ClickButton("frmGliders", "Enter");
  ASSERT_EQ(book.gliders.LiveCount(), 1) << platform.prompts.size();
  EXPECT_EQ(book.gliders[0].GLIDER_NAME, "Falcon 4");

  ClickButton("frmGliders", "GotoAloftra");
  ASSERT_TRUE(activate("frmAloftra"));
  ClickButton("frmAloftra", "NewEntry");
  typeInto(Find<QLineEdit>("frmAloftra", "FlightDate"), "6/1/2026");
  typeInto(Find<QLineEdit>("frmAloftra", "TimeOfDay"), "11:00 am");
  typeInto(Find<QLineEdit>("frmAloftra", "AirTime"), "45");
  for (const char* name : {"GliderName", "SiteName"}) {
    auto* combo = Find<QComboBox>("frmAloftra", name);
    ASSERT_NE(combo, nullptr) << name;
    ASSERT_EQ(combo->count(), 1) << name;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
  }
  EXPECT_EQ(Find<QLineEdit>("frmAloftra", "SiteLocation")->text(), QStringLiteral("Tirol"));
  ClickButton("frmAloftra", "Enter");
  ASSERT_EQ(book.flights.LiveCount(), 1)
      << (platform.prompts.empty() ? std::string() : platform.prompts.back());
  EXPECT_EQ(book.flights[0].SITE_INDEX, 0);
  EXPECT_EQ(book.flights[0].GLIDER_INDEX, 0);
  EXPECT_EQ(book.flights[0].AIRTIME, 45);
  // The statistics counted it, and the site page shows it (it was left clean).
  EXPECT_EQ(book.sites[0].FLIGHTS, 1);
  ClickButton("frmAloftra", "GotoSiteList");
  EXPECT_EQ(Find<QLineEdit>("frmSiteList", "Flights")->text(), QStringLiteral("1"));
  EXPECT_EQ(Find<QLineEdit>("frmSiteList", "TotalAirtime")->text(), QStringLiteral("0:45"));
}

// The options dialogs through their widgets: metres chosen in the units dialog relabel the
// pages, and the vario dialog's plain display turns the display-only boxes white.
TEST_F(GuiSmokeTest, TheUnitsAndVarioDialogsChangeEveryPage) {
  ChooseMenuItem("frmAloftra", "OptionsMenu(4)");
  ASSERT_TRUE(Shown("frmUnits"));
  auto* metres = Find<QRadioButton>("frmUnits", "Units(4)");
  ASSERT_NE(metres, nullptr);
  QTest::mouseClick(metres, Qt::LeftButton, {}, QPoint(6, metres->height() / 2));
  ClickButton("frmUnits", "Ok");
  EXPECT_FALSE(Shown("frmUnits"));
  auto* launchUnit = Find<QLabel>("frmAloftra", "Alt1");
  ASSERT_NE(launchUnit, nullptr);
  EXPECT_EQ(launchUnit->text(), QStringLiteral("m"));
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge*"));
  ClickButton("frmAloftra", "GotoSiteList");  // a page's window is made as it is first shown
  auto* siteAltitudes = Find<QGroupBox>("frmSiteList", "Alt3");
  ASSERT_NE(siteAltitudes, nullptr);
  EXPECT_EQ(siteAltitudes->title(), QStringLiteral("Altitude Info (meters)"));
  ClickButton("frmSiteList", "GotoAloftra");

  ChooseMenuItem("frmAloftra", "OptionsMenu(2)");
  ASSERT_TRUE(Shown("frmVario"));
  auto* color = Find<QCheckBox>("frmVario", "ColorMode");
  ASSERT_NE(color, nullptr);
  ASSERT_TRUE(color->isChecked());
  QTest::mouseClick(color, Qt::LeftButton, {}, QPoint(6, color->height() / 2));
  ClickButton("frmVario", "Ok");
  EXPECT_EQ(app.Book().doc.COLOR_MODE, 0);
  auto* flightNo = Find<QLineEdit>("frmAloftra", "FlightNo");
  ASSERT_NE(flightNo, nullptr);
  EXPECT_EQ(flightNo->palette().color(QPalette::Base), QColor(255, 255, 255));
}

// The viewing tools through their widgets: a filter on the logbook, then the flight list
// view showing only the flights that pass.
TEST_F(GuiSmokeTest, AFilterAppliedInItsDialogLimitsTheFlightPageAndTheListView) {
  const int flights = app.Book().LastPosition() + 1;
  ChooseMenuItem("frmAloftra", "OptionsMenu(1)");
  ASSERT_TRUE(Shown("frmFilters"));
  auto* highlightedOnly = Find<QCheckBox>("frmFilters", "Filter(5)");
  ASSERT_NE(highlightedOnly, nullptr);
  ASSERT_FALSE(highlightedOnly->isChecked());
  QTest::mouseClick(highlightedOnly, Qt::LeftButton, {}, QPoint(6, highlightedOnly->height() / 2));

  // Space on the flight kinds keeps the dialog's rules: with only non-flying entries left,
  // solo and tandem are cleared and disabled; a flight kind back brings them back.
  auto* hangGliders = Find<QCheckBox>("frmFilters", "Filter(0)");
  auto* paragliders = Find<QCheckBox>("frmFilters", "Filter(1)");
  auto* solo = Find<QCheckBox>("frmFilters", "Filter(3)");
  QTest::keyClick(hangGliders, Qt::Key_Space);
  QTest::keyClick(paragliders, Qt::Key_Space);
  EXPECT_FALSE(solo->isEnabled());
  EXPECT_FALSE(solo->isChecked());
  QTest::keyClick(paragliders, Qt::Key_Space);
  EXPECT_TRUE(solo->isEnabled());
  EXPECT_TRUE(solo->isChecked());
  QTest::keyClick(hangGliders, Qt::Key_Space);
  ClickButton("frmFilters", "Ok");
  ASSERT_FALSE(Shown("frmFilters")) << (platform.prompts.empty() ? "" : platform.prompts.back());
  const int passing = app.Filter().PassCount;
  ASSERT_GT(passing, 0);
  ASSERT_LT(passing, flights);
  EXPECT_EQ(Find<QLabel>("frmAloftra", "FilterStatus2")->text(), QStringLiteral("On"));
  EXPECT_EQ(Find<QLabel>("frmAloftra", "EntryIndex")->text(),
            QStringLiteral("1 of ") + QString::number(passing));

  ChooseMenuItem("frmAloftra", "SearchMenu(3)");
  ASSERT_TRUE(Shown("frmListViewFlight"));
  auto* table = Find<QTableView>("frmListViewFlight", "FlexGrid");
  ASSERT_NE(table, nullptr);
  ASSERT_NE(table->model(), nullptr);
  EXPECT_EQ(table->model()->rowCount(), passing);
  ClickButton("frmListViewFlight", "Close");
  EXPECT_TRUE(Shown("frmAloftra"));
}

}  // namespace
}  // namespace aloftra::test

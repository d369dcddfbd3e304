// File > Import Data and File > Export Data through the widgets: the dialogs opened from the
// menu, the kind chosen with its option button, the file dialog answered from the queue, and
// what the pages and the written file then hold.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "GuiProgramFixture.h"
#include "exchange/ExportFile.h"

namespace aloftra::test {
namespace {

class ExchangeGuiTest : public GuiProgramTest {
 protected:
  void ChooseOption(const char* form, const char* option) {
    auto* button = Find<QRadioButton>(form, option);
    ASSERT_NE(button, nullptr) << form << " " << option;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    ASSERT_TRUE(button->isChecked()) << option;
  }
  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // The names of a sites file: the first item of every line after the column names.
  static std::vector<QString> SiteNamesIn(const std::string& text) {
    std::vector<QString> names;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
      if (line.size() < 2 || line[0] != '"') continue;
      names.push_back(QString::fromStdString(line.substr(1, line.find('"', 1) - 1)));
    }
    return names;
  }
};

TEST_F(ExchangeGuiTest, SitesImportedThroughTheDialogAppearOnTheSitePage) {
  const std::string sample = ALOFTRA_SAMPLES "/import-sites.txt";
  const std::vector<QString> names = SiteNamesIn(ReadAll(sample));
  ASSERT_EQ(names.size(), 3u);
  const int sitesBefore = app.Book().sites.LiveCount();

  ChooseMenuItem("frmAloftra", "FileMenu(5)");
  ASSERT_TRUE(Shown("frmImport"));
  EXPECT_FALSE(WindowNamed("frmAloftra")->isEnabled());
  ChooseOption("frmImport", "ImportWhat(1)");
  platform.files.push_back(sample);
  ClickButton("frmImport", "Ok");

  EXPECT_TRUE(platform.prompts.empty());
  EXPECT_FALSE(Shown("frmImport"));
  ASSERT_TRUE(Shown("frmSiteList"));
  EXPECT_FALSE(Shown("frmAloftra"));
  EXPECT_EQ(app.Book().sites.LiveCount(), sitesBefore + static_cast<int>(names.size()));
  auto* siteNames = Find<QComboBox>("frmSiteList", "SiteName");
  ASSERT_NE(siteNames, nullptr);
  EXPECT_EQ(siteNames->count(), app.Book().sites.LiveCount());
  for (const QString& name : names)
    EXPECT_GE(siteNames->findText(name), 0) << name.toStdString();
  EXPECT_EQ(Title("frmSiteList"), QStringLiteral("Aloftra - Ridge*"));
}

TEST_F(ExchangeGuiTest, FlightsExportedThroughTheDialogAreWrittenToTheChosenFile) {
  const std::string path = folder.filePath(QStringLiteral("Flights.txt")).toStdString();
  ChooseMenuItem("frmAloftra", "FileMenu(6)");
  ASSERT_TRUE(Shown("frmExport"));
  auto* flights = Find<QRadioButton>("frmExport", "ExportWhat(0)");
  ASSERT_NE(flights, nullptr);
  EXPECT_TRUE(flights->isChecked());
  platform.files.push_back(path);
  ClickButton("frmExport", "Ok");

  EXPECT_TRUE(platform.prompts.empty());
  EXPECT_TRUE(Shown("frmExport"));
  const std::string written = ReadAll(path);
  EXPECT_EQ(written.rfind("\"FLIGHT_NO\",\"DATE\",\"TIME\",", 0), 0u);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), app.Book().flights.LiveCount() + 1);
  EXPECT_EQ(written, ExportText(app.Book(), ExportKind::kFlights));
  ClickButton("frmExport", "Close");
  EXPECT_FALSE(Shown("frmExport"));
  EXPECT_TRUE(WindowNamed("frmAloftra")->isEnabled());
  EXPECT_EQ(Title("frmAloftra"), QStringLiteral("Aloftra - Ridge"));
}

}  // namespace
}  // namespace aloftra::test

// The shared drawing helpers on the recording printer: cell text shrinking, the page
// header, and text blocks that run over page breaks.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/DateTime.h"
#include "print/PrtCmds.h"
#include "support/RecordingPrinter.h"

namespace aloftra::test {
namespace {

class PrtCmdsTest : public ::testing::Test {
 protected:
  PrtCmdsTest() : printer(document), prt(printer, MakeDateTime(2001, 5, 5, 12)) {
    printer.BeginDocument("test");
    prt.PageSetup();
  }
  std::shared_ptr<PrintedDocument> document = std::make_shared<PrintedDocument>();
  RecordingPrinter printer;
  PrtCmds prt;
};

TEST_F(PrtCmdsTest, CellTextShrinksByHalfPointsOnlyAsFarAsNeededAndCentres) {
  struct Case {
    int characters;
    double cellWidth;
    double requested;
  };
  // At s points a character is 10 s twips wide here.
  const Case cases[] = {{10, 900, 9}, {10, 1000, 9}, {10, 850, 9}, {10, 849, 9},
                        {20, 900, 9}, {3, 5000, 12}, {40, 100, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.characters << " characters in " << c.cellWidth);
    std::string text(static_cast<std::size_t>(c.characters), 'x');
    prt.CellText(1000, 1000 + c.cellWidth, text, c.requested);
    double size = prt.FontSize();
    EXPECT_LE(size, c.requested);
    EXPECT_DOUBLE_EQ(size * 2, std::round(size * 2)) << "not a half-point size";
    double width = prt.TextWidth(text);
    if (size > 1) {
      EXPECT_LE(width, c.cellWidth);
      // Half a point larger would not have fitted, unless it is the size asked for.
      if (size < c.requested) {
        EXPECT_GT(10 * (size + 0.5) * c.characters, c.cellWidth);
      }
    }
    EXPECT_NEAR(prt.CurrentX + width / 2, 1000 + c.cellWidth / 2, 1e-9);
  }
}

TEST_F(PrtCmdsTest, PageHeaderShowsDateTitleAndPageAndRestoresTheFont) {
  prt.SetFontSize(14);
  prt.SetBold(true);
  prt.PageHeader("Gliders");
  std::vector<DrawItem> texts = document->TextItems(0);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "May 5, 2001 - Gliders");
  EXPECT_EQ(texts[0].x1, prt.Layout().LeftMargin);
  EXPECT_EQ(texts[0].y1, prt.Layout().TopMargin);
  EXPECT_EQ(texts[0].font.size, 9);
  EXPECT_FALSE(texts[0].font.bold);
  EXPECT_EQ(texts[0].font.family, "Arial");
  EXPECT_EQ(texts[1].text, "Page 1");
  EXPECT_NEAR(texts[1].x1 + RecordedTextWidth("Page 1", texts[1].font), prt.Layout().RightEdge,
              1e-9);
  std::vector<DrawItem> lines = document->Lines(0);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].y1, prt.CurrentY);
  EXPECT_GT(prt.CurrentY, texts[0].y1 + RecordedTextHeight(texts[0].font));
  EXPECT_EQ(prt.FontSize(), 14);
  EXPECT_TRUE(prt.Bold());
}

TEST_F(PrtCmdsTest, TextBlockBreaksPagesRepeatsTheHeaderAndKeepsTheFrame) {
  std::string text;
  for (int line = 1; line <= 120; ++line)
    text += (line > 1 ? "\r\n" : "") + std::string("line ") + std::to_string(line);
  prt.SetFontSize(10);
  prt.CurrentY = prt.Layout().TopMargin;
  prt.TextBlock(prt.Layout().LeftMargin, text, "Notes", true);

  ASSERT_GE(document->pages.size(), 2u);
  int lastLinePage = -1;
  ASSERT_NE(document->FindText("line 120", &lastLinePage), nullptr);
  EXPECT_EQ(lastLinePage + 1, static_cast<int>(document->pages.size()));
  for (int page = 0; page < static_cast<int>(document->pages.size()); ++page) {
    SCOPED_TRACE(page);
    std::vector<std::string> texts = document->Texts(page);
    if (page > 0) {
      EXPECT_EQ(texts[0], "May 5, 2001 - Notes");
      EXPECT_EQ(texts[1], "Page " + std::to_string(page + 1));
    }
    for (const DrawItem& item : document->TextItems(page))
      EXPECT_LE(item.y1 + RecordedTextHeight(item.font), prt.Layout().BottomEdge) << item.text;
    // Each printed line has a thick side on the left and on the right.
    int sides = 0;
    for (const DrawItem& line : document->Lines(page)) {
      if (line.x1 == line.x2 && line.width == prt.Layout().ThickLine) ++sides;
    }
    int lines = 0;
    for (const std::string& t : texts)
      lines += t.rfind("line ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(sides, 2 * lines);
  }
}

TEST_F(PrtCmdsTest, HeadingLinesPrintBoldAtElevenPointsWithoutTheMarker) {
  prt.SetFontSize(10);
  prt.CurrentY = 1000;
  prt.TextBlock(900, "%%Equipment\r\nplain %% text", "", false);
  std::vector<DrawItem> texts = document->TextItems(0);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Equipment");
  EXPECT_TRUE(texts[0].font.bold);
  EXPECT_EQ(texts[0].font.size, 11);
  EXPECT_EQ(texts[1].text, "plain %% text");
  EXPECT_FALSE(texts[1].font.bold);
  EXPECT_EQ(texts[1].font.size, 10);
  // The heading's own line plus 0.15 of a 10-point line below it.
  EXPECT_NEAR(texts[1].y1 - texts[0].y1,
              RecordedTextHeight(texts[0].font) + 0.15 * RecordedTextHeight(texts[1].font), 1e-9);
}

}  // namespace
}  // namespace aloftra::test

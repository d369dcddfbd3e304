// The canvas paints the form's drawing list and its graphical controls where and in the
// colours the form gave them, and repaints when the drawing changed.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "BindingFixture.h"
#include "flights/RoseDrawing.h"
#include "qt/FormCanvas.h"
#include "qt/FormPainter.h"
#include "qt/QtConvert.h"

namespace aloftra::test {
namespace {

QColor PixelAt(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

// Paints a form into an image of its size.
QImage Painted(const Form& form) {
  QImage image(form.Width() / 15, form.Height() / 15, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  qt::PaintForm(painter, form, QPalette());
  return image;
}

class PaintedForm : public Form {
 public:
  PaintedForm() : Form("frmPainted") {
    Resize(3000, 3000);
    SetBackColor(kWhite);
  }
};

TEST(FormPainterTest, DrawingIsPaintedInGroupOrderAtFifteenTwipsToAPixel) {
  PaintedForm form;
  form.Drawing().Replace("back",
                         {DrawItem::Rectangle(150, 150, 1500, 1500, kBlack, true, Rgb(0, 128, 0))});
  // A later group paints over an earlier one.
  form.Drawing().Replace("front",
                         {DrawItem::Rectangle(750, 750, 1500, 1500, kBlack, true, Rgb(255, 0, 0))});
  form.Drawing().Replace("line", {DrawItem::Line(0, 2250, 3000, 2250, Rgb(0, 0, 255))});
  QImage image = Painted(form);
  EXPECT_EQ(PixelAt(image, 5, 5), QColor(255, 255, 255));
  EXPECT_EQ(PixelAt(image, 20, 20), QColor(0, 128, 0));
  EXPECT_EQ(PixelAt(image, 70, 70), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 100, 150), QColor(0, 0, 255));
  // Redrawing a group replaces what it held.
  form.Drawing().Replace("front", {});
  EXPECT_EQ(PixelAt(Painted(form), 70, 70), QColor(0, 128, 0));
}

TEST(FormPainterTest, ALineLeavesOutItsLastPointSoLinesThatMeetEndToEndDoNotOverlap) {
  PaintedForm form;
  // Two runs of one pixel row meeting at x = 20 pixels, as neighbouring rose wedges do.
  form.Drawing().Replace("left", {DrawItem::Line(150, 750, 300, 750, Rgb(255, 0, 0))});
  form.Drawing().Replace("right", {DrawItem::Line(300, 750, 450, 750, Rgb(0, 0, 255))});
  form.Drawing().Replace("left", {DrawItem::Line(150, 750, 300, 750, Rgb(255, 0, 0))});
  form.Drawing().Replace("erase", {DrawItem::Line(150, 750, 300, 750, kWhite)});
  QImage image = Painted(form);
  EXPECT_EQ(PixelAt(image, 19, 50), QColor(255, 255, 255));
  EXPECT_EQ(PixelAt(image, 20, 50), QColor(0, 0, 255));  // erasing the left run spared it
  EXPECT_EQ(PixelAt(image, 29, 50), QColor(0, 0, 255));
  EXPECT_EQ(PixelAt(image, 30, 50), QColor(255, 255, 255));
}

TEST(FormPainterTest, PiesRunCounterClockwiseFromEastAndWrapThroughIt) {
  PaintedForm form;
  double quarter = std::numbers::pi / 2;
  // From north-east round to south-east, through west: everything but the east wedge.
  form.Drawing().Replace(
      "rose", {DrawItem::Pie(1500, 1500, 1200, quarter / 2, -quarter / 2, kBlack, Rgb(255, 0, 0))});
  QImage image = Painted(form);
  EXPECT_EQ(PixelAt(image, 100, 60), QColor(255, 0, 0));       // north of the centre
  EXPECT_EQ(PixelAt(image, 40, 100), QColor(255, 0, 0));       // west
  EXPECT_EQ(PixelAt(image, 160, 100), QColor(255, 255, 255));  // east: not in the pie
}

TEST(FormPainterTest, CirclesTextAndSystemColoursArePainted) {
  PaintedForm form;
  form.SetBackColor(kButtonFace);
  form.Drawing().Add("marks", DrawItem::Circle(1500, 1500, 300, kBlack, true, Rgb(0, 0, 255)));
  form.Drawing().Add("marks", DrawItem::Text(150, 150, "MMMM", Rgb(255, 0, 0)));
  QImage image = Painted(form);
  QPalette palette;
  EXPECT_EQ(PixelAt(image, 190, 190), palette.color(QPalette::Active, QPalette::Window));
  EXPECT_EQ(PixelAt(image, 100, 100), QColor(0, 0, 255));
  bool redText = false;
  for (int x = 10; x < 60 && !redText; ++x) {
    for (int y = 10; y < 25 && !redText; ++y)
      redText = PixelAt(image, x, y) == QColor(255, 0, 0);
  }
  EXPECT_TRUE(redText);
}

TEST(FormPainterTest, ShownShapesAndLinesArePaintedAndHiddenOnesAreNot) {
  PaintedForm form;
  Shape box(form, "Box");
  box.Move(150, 150, 600, 600);
  box.SetFilled(true);
  box.SetFillColor(Rgb(0, 255, 0));
  Shape hidden(form, "Hidden");
  hidden.Move(1500, 150, 600, 600);
  hidden.SetFilled(true);
  hidden.SetFillColor(Rgb(0, 255, 0));
  hidden.SetVisible(false);
  LineControl line(form, "Rule");
  line.SetEnds(0, 2700, 3000, 2700);
  line.SetBorderColor(Rgb(255, 0, 255));
  QImage image = Painted(form);
  EXPECT_EQ(PixelAt(image, 30, 30), QColor(0, 255, 0));
  EXPECT_EQ(PixelAt(image, 130, 30), QColor(255, 255, 255));
  EXPECT_EQ(PixelAt(image, 50, 180), QColor(255, 0, 255));
}

// Set wedges of the wind rose, painted as the pilot sees them, cover their sectors of the ring
// whole: between two set neighbours no pixel of background shows through.
TEST(FormPainterTest, SetNeighbouringWedgesOfTheRoseJoinWithoutASeam) {
  PaintedForm form;
  form.SetBackColor(kButtonFace);
  const QColor background = QPalette().color(QPalette::Active, QPalette::Window);
  const QColor set = qt::ToQColor(kRoseSetColor, QPalette());
  constexpr int kCentre = 100;  // pixels; 1500 twips
  // Which ring pixels are not painted in the set colour, among those in the sectors given.
  auto unset = [&](const QImage& image, const std::vector<int>& sectors) {
    std::vector<std::string> found;
    for (int y = -50; y < 50; ++y) {
      for (int x = -50; x < 50; ++x) {
        double cx = x + 0.5;
        double cy = -(y + 0.5);
        double r = std::hypot(cx, cy);
        if (r < 14.0 || r > 49.0) continue;
        double degrees = std::atan2(cy, cx) * 180.0 / std::numbers::pi;
        int sector = static_cast<int>(std::floor(std::fmod(degrees + 11.25 + 720.0, 360.0) / 22.5));
        if (std::find(sectors.begin(), sectors.end(), sector) == sectors.end()) continue;
        QColor color = PixelAt(image, kCentre + x, kCentre + y);
        if (color != set) {
          found.push_back(std::to_string(x) + "," + std::to_string(y) +
                          (color == background ? " background" : " other"));
        }
      }
    }
    return found;
  };

  WindFlags all{};
  all.fill(kFlagSet);
  PaintRose(form.Drawing(), 1500, 1500, all);
  std::vector<int> everySector(16);
  for (int k = 0; k < 16; ++k)
    everySector[static_cast<std::size_t>(k)] = k;
  EXPECT_EQ(unset(Painted(form), everySector), std::vector<std::string>{});

  for (int k = 0; k < 16; ++k) {
    int next = (k + 1) % 16;
    WindFlags pair{};
    pair[static_cast<std::size_t>(k)] = kFlagSet;
    pair[static_cast<std::size_t>(next)] = kFlagSet;
    PaintRose(form.Drawing(), 1500, 1500, pair);
    EXPECT_EQ(unset(Painted(form), {k, next}), std::vector<std::string>{}) << k << "|" << next;
  }
}

TEST_F(BindingTest, TheCanvasPaintsTheFormsDrawingAndRepaintsWhenItChanges) {
  PaintEvents canvasPaints(&window->Canvas());
  int& paints = canvasPaints.count;
  ASSERT_TRUE(binding.Dispatch([this] {
    form.SetBackColor(kWhite);
    form.Drawing().Replace(
        "bar", {DrawItem::Rectangle(4200, 3000, 4500, 3150, kBlack, true, Rgb(255, 0, 0))});
  }));
  QImage image = window->Canvas().grab().toImage();
  EXPECT_EQ(image.pixelColor(290, 205), QColor(255, 0, 0));
  // The blue filled shape of the demo form.
  EXPECT_EQ(image.pixelColor(340, 240), QColor(0, 0, 255));

  QApplication::processEvents();
  int before = paints;
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Drawing().Replace(
        "bar", {DrawItem::Rectangle(4200, 3000, 4500, 3150, kBlack, true, Rgb(0, 255, 0))});
  }));
  for (int i = 0; i < 100 && paints <= before; ++i)
    QTest::qWait(20);
  EXPECT_GT(paints, before);
  EXPECT_EQ(window->Canvas().grab().toImage().pixelColor(290, 205), QColor(0, 255, 0));
}

}  // namespace
}  // namespace aloftra::test

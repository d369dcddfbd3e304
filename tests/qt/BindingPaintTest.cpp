// A form's paint handler runs like any other handler: through the binding, guarded, with
// the windows brought up to date after it, when the form is shown or resized or a repaint
// is asked for; painting itself only paints what the handler drew.
#include <QLabel>

#include "BindingFixture.h"
#include "qt/FormCanvas.h"

namespace aloftra::test {
namespace {

class PaintingForm : public Form {
 public:
  PaintingForm() : Form("frmPainting") {
    SetCaption("Painting");
    Resize(3000, 1500);
    Move(1500, 1500);
    Status.Move(120, 120, 2400, 255);
    onPaint = [this] {
      ++paints;
      if (paintHandler) paintHandler();
    };
  }
  Label Status{*this, "Status"};
  int paints = 0;
  std::function<void()> paintHandler;
};

class BindingPaintTest : public BindingTest {
 protected:
  // Shows the painting form through the binding, as a handler showing it would.
  qt::FormCanvas& ShowPainting() {
    binding.AddForm(painting);
    EXPECT_TRUE(binding.Dispatch([this] { painting.Show(); }));
    return binding.WindowOf(painting)->Canvas();
  }
  // Lets the window system deliver what it has pending, paint events among them.
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(10);
    }
  }

  PaintingForm painting;
};

TEST_F(BindingPaintTest, ACaptionSetByThePaintHandlerShowsInItsWidget) {
  painting.paintHandler = [this] { painting.Status.SetCaption("Painted"); };
  ShowPainting();
  auto* status = binding.WindowOf(painting)->findChild<QLabel*>(QStringLiteral("Status"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), QStringLiteral("Painted"));
}

TEST_F(BindingPaintTest, AnErrorInThePaintHandlerIsReportedAndDoesNotReachQt) {
  painting.paintHandler = [] { throw std::runtime_error("out of ink"); };
  qt::FormCanvas& canvas = ShowPainting();
  canvas.repaint();
  Settle();
  EXPECT_EQ(errors, std::vector<std::string>{"out of ink"});
  EXPECT_TRUE(binding.WindowOf(painting)->isVisible());
  EXPECT_TRUE(binding.Dispatch([] {}));
}

TEST_F(BindingPaintTest, TheHandlerRunsWhenShownResizedOrAskedNotOnEveryRepaint) {
  // The handler draws the same picture every time, as the flight page's bars and rose.
  painting.paintHandler = [this] {
    painting.Drawing().Replace("bar", {DrawItem::Rectangle(0, 0, 600, 600, kRed, true, kRed)});
  };
  qt::FormCanvas& canvas = ShowPainting();
  EXPECT_EQ(painting.paints, 1);
  PaintEvents canvasPaints(&canvas);
  canvas.repaint();
  Settle();
  EXPECT_GE(canvasPaints.count, 1);
  EXPECT_EQ(painting.paints, 1);
  // Nothing keeps the canvas painting: the same picture drawn again asks for no repaint.
  int settled = canvasPaints.count;
  Settle();
  EXPECT_EQ(canvasPaints.count, settled);

  ASSERT_TRUE(binding.Dispatch([this] { painting.Resize(3600, 1500); }));
  EXPECT_EQ(painting.paints, 2);
  ASSERT_TRUE(binding.Dispatch([this] { painting.Hide(); }));
  ASSERT_TRUE(binding.Dispatch([this] { painting.Show(); }));
  EXPECT_EQ(painting.paints, 3);
  canvas.RequestPaintHandler();
  Settle();
  EXPECT_EQ(painting.paints, 4);
}

TEST_F(BindingPaintTest, APaintAskedForWhileAHandlerRunsRunsWhenTheHandlerReturns) {
  qt::FormCanvas& canvas = ShowPainting();
  int paintsInside = -1;
  ASSERT_TRUE(binding.Dispatch([&] {
    // As when a message box open in the handler lets the window system's events run.
    canvas.RequestPaintHandler();
    Settle();
    paintsInside = painting.paints;
  }));
  EXPECT_EQ(paintsInside, 1);
  EXPECT_EQ(painting.paints, 2);
}

TEST_F(BindingPaintTest, ARenderedFormShowsWhatItsPaintHandlerDraws) {
  painting.paintHandler = [this] {
    painting.Drawing().Replace("bar", {DrawItem::Rectangle(0, 600, 600, 1200, kRed, true, kRed)});
  };
  binding.AddForm(painting);
  QImage image = binding.Render(painting).toImage();
  EXPECT_EQ(painting.paints, 1);
  EXPECT_EQ(image.pixelColor(20, 60), QColor(255, 0, 0));
}

}  // namespace
}  // namespace aloftra::test

// Files dragged onto a page window: only local track files are taken, and their paths reach
// the form's drop handler.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "BindingFixture.h"

namespace aloftra::test {
namespace {

std::unique_ptr<QMimeData> Urls(const QStringList& urls) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> list;
  for (const QString& url : urls)
    list.push_back(QUrl(url));
  data->setUrls(list);
  return data;
}

TEST_F(BindingTest, OnlyLocalTrackFilesDroppedOnAPageReachItsForm) {
  std::vector<std::vector<std::string>> dropped;
  form.onFilesDropped = [&dropped](const std::vector<std::string>& paths) {
    dropped.push_back(paths);
  };
  const QPoint inside(40, 40);
  const struct {
    QStringList urls;
    bool taken;
  } cases[] = {
      {{"file:///tmp/a.IGC", "file:///tmp/notes.txt", "https://example.org/c.igc",
        "file:///tmp/b.igc"},
       true},
      {{"file:///tmp/notes.txt"}, false},
      {{"https://example.org/c.igc"}, false},
  };
  for (const auto& c : cases) {
    std::unique_ptr<QMimeData> data = Urls(c.urls);
    QDragEnterEvent enter(inside, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    EXPECT_EQ(enter.isAccepted(), c.taken) << c.urls.join(' ').toStdString();
    QDropEvent drop(QPointF(inside), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    EXPECT_EQ(drop.isAccepted(), c.taken);
  }
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0], (std::vector<std::string>{"/tmp/a.IGC", "/tmp/b.igc"}));
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace aloftra::test

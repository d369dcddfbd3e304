#include "qt/TextPositions.h"

#include <QList>
#include <QString>
#include <vector>

namespace aloftra::qt {

namespace {

// One step of the walk through the text: how many characters the form counts for it and
// how many UTF-16 units the editor shows for it.
struct Step {
  int modelWidth;
  int widgetWidth;
};

std::vector<Step> StepsOf(const std::string& modelText) {
  QList<uint> codePoints = QString::fromStdString(modelText).toUcs4();
  std::vector<Step> steps;
  steps.reserve(static_cast<std::size_t>(codePoints.size()));
  for (qsizetype i = 0; i < codePoints.size(); ++i) {
    uint c = codePoints[i];
    if (c == '\r' && i + 1 < codePoints.size() && codePoints[i + 1] == '\n') {
      steps.push_back({2, 1});
      ++i;
    } else {
      steps.push_back({1, c > 0xFFFF ? 2 : 1});
    }
  }
  return steps;
}

}  // namespace

int WidgetPosition(const std::string& modelText, int modelPosition) {
  int model = 0;
  int widget = 0;
  for (const Step& step : StepsOf(modelText)) {
    if (model + step.modelWidth > modelPosition) break;
    model += step.modelWidth;
    widget += step.widgetWidth;
  }
  return widget;
}

int ModelPosition(const std::string& modelText, int widgetPosition) {
  int model = 0;
  int widget = 0;
  for (const Step& step : StepsOf(modelText)) {
    if (widget + step.widgetWidth > widgetPosition) break;
    model += step.modelWidth;
    widget += step.widgetWidth;
  }
  return model;
}

}  // namespace aloftra::qt

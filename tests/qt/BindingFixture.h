// A demo form bound to a shown, active window, with helpers to reach its widgets by the
// controls' names.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "DemoForm.h"
#include "QStringPrinter.h"
#include "qt/FormBinding.h"
#include "qt/FormWindow.h"

namespace aloftra::test {

// Counts the paint events a widget receives.
class PaintEvents : public QObject {
 public:
  explicit PaintEvents(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return QObject::eventFilter(watched, event);
  }
};

class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    binding.AddForm(form);
    binding.SetErrorReporter([this](const std::string& error) { errors.push_back(error); });
    ASSERT_TRUE(binding.Dispatch([this] { form.Show(); }));
    window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  template <class WidgetType>
  WidgetType* Widget(const char* name) {
    auto* widget = window->findChild<WidgetType*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Gives a widget the focus the way a click does.
  void ClickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }

  DemoForm form;
  qt::FormBinding binding;
  qt::FormWindow* window = nullptr;
  std::vector<std::string> errors;
};

}  // namespace aloftra::test

// A control array: controls of one kind sharing a name, reached by their index as the
// pages name them (Places[0], Turbulence[1] ... Turbulence[6]).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "form/Form.h"

namespace aloftra {

template <class ControlType>
class ControlArray {
 public:
  // Indices firstIndex to lastIndex inclusive.
  ControlArray(Form& form, const std::string& name, int firstIndex, int lastIndex)
      : first_(firstIndex) {
    for (int i = firstIndex; i <= lastIndex; ++i) {
      controls_.push_back(std::make_unique<ControlType>(form, name, i));
    }
  }
  ControlArray(Form& form, const std::string& name, int count)
      : ControlArray(form, name, 0, count - 1) {}

  ControlType& operator[](int index) { return *controls_.at(index - first_); }
  const ControlType& operator[](int index) const { return *controls_.at(index - first_); }
  int FirstIndex() const { return first_; }
  int LastIndex() const { return first_ + Count() - 1; }
  int Count() const { return static_cast<int>(controls_.size()); }

  template <class Fn>
  void ForEach(Fn fn) {
    for (auto& control : controls_)
      fn(*control);
  }

 private:
  int first_;
  std::vector<std::unique_ptr<ControlType>> controls_;
};

}  // namespace aloftra

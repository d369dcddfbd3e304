#include "exchange/ImportProgress.h"

namespace aloftra {

std::string WithThousands(long value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  std::string text;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) text += ',';
    text += digits[k];
  }
  return value < 0 ? "-" + text : text;
}

std::string ImportProgressText(long done, long total) {
  std::string text = "Importing " + WithThousands(done);
  if (total >= 0) text += " of " + WithThousands(total);
  return text + "...";
}

}  // namespace aloftra

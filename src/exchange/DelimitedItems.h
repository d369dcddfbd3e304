// The items of a comma-delimited text file as spreadsheets and databases read it: one record
// per line, items joined by commas without blanks, each line ended by CR LF. A text item is
// enclosed in double quotes, with each double quote inside it written twice, so commas, line
// breaks and quotes in the text stay inside the one item. A number is written unquoted in
// its shortest form, "." as the decimal point and a leading "-" when negative.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aloftra {

class DelimitedWriter {
 public:
  // expectedLength: a guess of the whole text's length, so it is rarely moved while it grows.
  explicit DelimitedWriter(std::size_t expectedLength = 0);

  void Text(std::string_view text);
  void Integer(long long value);
  // A real value in the logbook file's number form: at most 7 significant digits, no
  // trailing zeros, no zero before the point (.5), the exponent form for extreme values.
  void Number(double value);
  void EndLine();

  // The text written; the writer is empty afterwards.
  std::string Finish();

 private:
  void Separate();
  void PutInteger(long long value);

  std::string text_;
  bool firstItem_ = true;
};

}  // namespace aloftra

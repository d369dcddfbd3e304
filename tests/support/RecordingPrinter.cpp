#include "support/RecordingPrinter.h"

namespace aloftra::test {

namespace {

constexpr char kPageGroup[] = "page";

std::size_t CodePoints(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

double RecordedTextWidth(const std::string& text, const Font& font) {
  double perCharacter = font.size * 10.0 * (font.bold ? 1.1 : 1.0);
  return perCharacter * static_cast<double>(CodePoints(text));
}

double RecordedTextHeight(const Font& font) {
  return font.size * 20.0 * 1.15;
}

std::vector<DrawItem> PrintedDocument::TextItems(int page) const {
  std::vector<DrawItem> texts;
  for (const DrawItem& item : pages.at(static_cast<std::size_t>(page)).Items(kPageGroup)) {
    if (item.kind == DrawItem::Kind::kText) texts.push_back(item);
  }
  return texts;
}

std::vector<std::string> PrintedDocument::Texts(int page) const {
  std::vector<std::string> texts;
  for (const DrawItem& item : TextItems(page))
    texts.push_back(item.text);
  return texts;
}

std::string PrintedDocument::AllText() const {
  std::string all;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    for (const std::string& text : Texts(static_cast<int>(page)))
      all += text + "\n";
  }
  return all;
}

const DrawItem* PrintedDocument::FindText(const std::string& text, int* pageOut) const {
  for (std::size_t page = 0; page < pages.size(); ++page) {
    for (const DrawItem& item : pages[page].Items(kPageGroup)) {
      if (item.kind == DrawItem::Kind::kText && item.text == text) {
        if (pageOut) *pageOut = static_cast<int>(page);
        return &item;
      }
    }
  }
  return nullptr;
}

std::vector<DrawItem> PrintedDocument::Lines(int page) const {
  std::vector<DrawItem> lines;
  for (const DrawItem& item : pages.at(static_cast<std::size_t>(page)).Items(kPageGroup)) {
    if (item.kind == DrawItem::Kind::kLine) lines.push_back(item);
  }
  return lines;
}

RecordingPrinter::RecordingPrinter(std::shared_ptr<PrintedDocument> document, bool failAtEnd,
                                   PageGeometry geometry)
    : document_(std::move(document)), failAtEnd_(failAtEnd), geometry_(geometry) {}

PageGeometry RecordingPrinter::LetterWithQuarterInchBorder() {
  PageGeometry geometry;
  geometry.printableWidth = geometry.paperWidth - 720;
  geometry.printableHeight = geometry.paperHeight - 720;
  geometry.dotsPerInch = 600;
  return geometry;
}

bool RecordingPrinter::BeginDocument(const std::string& title) {
  document_->title = title;
  document_->begun = true;
  document_->pages.assign(1, DrawList{});
  return true;
}

double RecordingPrinter::TextWidth(std::string_view text) {
  return RecordedTextWidth(std::string(text), font_);
}

double RecordingPrinter::TextHeight(std::string_view) {
  return RecordedTextHeight(font_);
}

void RecordingPrinter::Draw(const DrawItem& item) {
  document_->pages.back().Add(kPageGroup, item);
}

void RecordingPrinter::NewPage() {
  document_->pages.emplace_back();
}

bool RecordingPrinter::EndDocument() {
  document_->ended = true;
  return !failAtEnd_;
}

}  // namespace aloftra::test

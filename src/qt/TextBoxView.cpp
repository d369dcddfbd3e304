#include "qt/TextBoxView.h"

#include <QTextBlock>
#include <QTextCursor>

#include "qt/QtConvert.h"
#include "qt/TextPositions.h"

namespace aloftra::qt {

namespace {

QWidget* MakeEditor(const TextBox& box, QWidget* canvas) {
  if (box.MultiLine()) {
    auto* editor = new QPlainTextEdit(canvas);
    editor->setTabChangesFocus(true);
    // Lines wrap at the box's width, so there is nothing to scroll sideways.
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return editor;
  }
  return new QLineEdit(canvas);
}

// No limit on the box means the editor's own largest length.
constexpr int kUnlimitedLength = 32767;

}  // namespace

TextBoxView::TextBoxView(TextBox& box, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(box, MakeEditor(box, canvas), dispatcher), box_(box) {
  line_ = qobject_cast<QLineEdit*>(Widget());
  editor_ = qobject_cast<QPlainTextEdit*>(Widget());
  if (line_ != nullptr) {
    connect(line_, &QLineEdit::textEdited, this, [this](const QString& text) { Edited(text); });
    connect(line_, &QLineEdit::cursorPositionChanged, this, [this] { ReadSelection(); });
    connect(line_, &QLineEdit::selectionChanged, this, [this] { ReadSelection(); });
  } else {
    connect(editor_, &QPlainTextEdit::textChanged, this,
            [this] { Edited(editor_->toPlainText()); });
    connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, [this] { ReadSelection(); });
    connect(editor_, &QPlainTextEdit::selectionChanged, this, [this] { ReadSelection(); });
  }
}

QString TextBoxView::WidgetText() const {
  return line_ != nullptr ? line_->text() : editor_->toPlainText();
}

void TextBoxView::Edited(const QString& widgetText) {
  if (Syncing()) return;
  std::string text = FromWidgetText(widgetText);
  TextBox& box = box_;
  Dispatch([this, &box, &text] {
    box.SetText(text);
    // The caret stays where the pilot left it, unless a handler rewrote the text.
    if (box.Text() == text) {
      Selection selection = WidgetSelection();
      box.SetSelection(selection.start, selection.length);
      knownSelection_ = selection;
    }
  });
}

TextBoxView::Selection TextBoxView::WidgetSelection() const {
  int anchor = 0;
  int position = 0;
  if (line_ != nullptr) {
    if (line_->hasSelectedText()) {
      anchor = line_->selectionStart();
      position = line_->selectionEnd();
    } else {
      anchor = position = line_->cursorPosition();
    }
  } else {
    QTextCursor cursor = editor_->textCursor();
    anchor = cursor.selectionStart();
    position = cursor.selectionEnd();
  }
  int start = ModelPosition(box_.Text(), anchor);
  int end = ModelPosition(box_.Text(), position);
  return Selection{start, end - start};
}

void TextBoxView::ReadSelection() {
  if (Syncing()) return;
  // Only once the text box holds what the widget shows can positions be compared.
  if (FromWidgetText(WidgetText()) != box_.Text()) return;
  Selection selection = WidgetSelection();
  box_.SetSelection(selection.start, selection.length);
  knownSelection_ = selection;
}

void TextBoxView::ApplySelection() {
  const std::string& text = box_.Text();
  int start = WidgetPosition(text, box_.SelStart());
  int end = WidgetPosition(text, box_.SelStart() + std::max(0, box_.SelLength()));
  if (line_ != nullptr) {
    if (end > start) {
      line_->setSelection(start, end - start);
    } else {
      line_->setCursorPosition(start);
    }
  } else {
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
  }
  knownSelection_ = Selection{box_.SelStart(), box_.SelLength()};
}

void TextBoxView::SyncContent(bool first) {
  QString text = ToWidgetText(box_.Text());
  bool textChanged = WidgetText() != text;
  if (textChanged) {
    if (line_ != nullptr) {
      line_->setText(text);
    } else {
      editor_->setPlainText(text);
    }
  }
  Selection wanted{box_.SelStart(), box_.SelLength()};
  if (first || textChanged || wanted != knownSelection_) ApplySelection();

  if (line_ != nullptr) {
    line_->setReadOnly(box_.Locked());
    line_->setAlignment(ToQtAlignment(box_.TextAlignment()));
    // Setting the length puts the caret at the end, so only a new length is set.
    int maxLength = box_.MaxLength() > 0 ? box_.MaxLength() : kUnlimitedLength;
    if (line_->maxLength() != maxLength) line_->setMaxLength(maxLength);
  } else {
    editor_->setReadOnly(box_.Locked());
  }
}

}  // namespace aloftra::qt

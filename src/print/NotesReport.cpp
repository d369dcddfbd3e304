#include "print/NotesReport.h"

namespace aloftra {

void PrintNotesTopic(PrtCmds& prt, const NoteTopic& topic) {
  const PageLayout& layout = prt.Layout();
  prt.SetFontSize(11);
  prt.SetBold(true);
  double h = prt.TextHeight();
  prt.BreakPageFor(10 * h, kNotesTitle);
  prt.CurrentY += h;
  prt.CurrentX = layout.LeftMargin;
  prt.PrintLine(topic.TOPIC);

  prt.CurrentY += 0.5 * h;
  prt.SetFontSize(10);
  prt.SetBold(false);
  std::string text = prt.WordWrap(layout.LeftMargin, layout.RightEdge, topic.NOTE_TEXT);
  prt.TextBlock(layout.LeftMargin, text, kNotesTitle, false);
  prt.CurrentY += 0.5 * prt.TextHeight();
  prt.Line(layout.LeftMargin, prt.CurrentY, layout.RightEdge, prt.CurrentY, layout.ThinLine);
}

}  // namespace aloftra

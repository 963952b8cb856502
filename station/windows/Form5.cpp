#include "station/windows/Form5.h"

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "startup/user_folders.h"

namespace ks {

Form5::Form5(forms::Application& app) : forms::Form(app, "Form5") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// The text fills most of the window; Close stands centred under it.
void Form5::Design() {
  SetCaption("Help Page");
  Move(0, 0, 9000, 6900);
  Text1.MultiLine = true;
  Text1.Locked = true;
  Text1.SetBackColor(forms::Rgb(224, 224, 224));
  Text1.SetFontName("Courier New");
  Text1.SetFontSize(9.75f);
  Text1.Move(120, 120, 8640, 5520);
  Command1.SetCaption("Close");
  Command1.Move(3810, 5760, 1260, 435);
  Command2.SetCaption("Command2");
  Command2.Move(7440, 5760, 1215, 435);
  Command2.SetVisible(false);
}

// Every failure ends the load silently: the window opens with what was done so far.
void Form5::Form_Load() {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::Width;
  rule.control_font = forms::FitRule::FontRatio::Smaller;
  forms::FitFormToScreen(*this, rule);
  Text1.SetText("");
  std::string text;
  if (io::ReadTextFile(WorkingFile(App(), kHelpFileName), text, io::kTableFileMaxBytes)) Text1.SetText(text);
}

void Form5::Command1_Click() { Hide(); }

// Writes the box's text to HelpPellham.txt as one quoted value.
void Form5::Command2_Click() {
  io::WriteFileAtomic(WorkingFile(App(), "HelpPellham.txt"), vb::LineWriter().Text(Text1.Text()).Line());
}

}  // namespace ks

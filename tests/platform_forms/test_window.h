#pragma once
// A small window used by the runtime's tests, recording the events it sees.
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/listview.h"

namespace ks::testing {

class frmTest : public forms::Form {
 public:
  explicit frmTest(forms::Application& app) : forms::Form(app, "frmTest") {
    Text1.Move(100, 100, 1200, 300);
    Text2.Move(100, 500, 1200, 300);
    Command1.SetCaption("&Done");
    Watch(Text1, "Text1");
    Watch(Text2, "Text2");
    Command1.GotFocus = [this] { events.push_back("Command1.GotFocus"); };
    Command1.Click = [this] { events.push_back("Command1.Click"); };
  }

  void Form_Load() override {
    ++loads;
    events.push_back("Form_Load");
  }
  void Form_Unload(int& cancel) override {
    events.push_back("Form_Unload");
    cancel = refuse_unload ? 1 : 0;
  }
  void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override {
    events.push_back(mode == forms::UnloadMode::CloseBox ? "QueryUnload(close box)" : "QueryUnload(code)");
  }
  void Form_KeyDown(int& key_code, int shift) override { events.push_back("Form_KeyDown " + std::to_string(key_code)); }
  void Form_KeyPress(int& key_ascii) override {
    events.push_back("Form_KeyPress " + std::to_string(key_ascii));
    if (form_drops_key == key_ascii) key_ascii = 0;
  }

  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3"};
  forms::OptionButton Option4{*this, "Option4"};
  forms::ListBox List1{*this, "List1"};
  forms::ListView ListView1{*this, "ListView1"};
  forms::Timer Timer1{*this, "Timer1", 0, false};
  forms::Timer Timer2{*this, "Timer2", 0, false};
  forms::ControlArray<forms::Label> Label10{*this, "Label10"};

  std::vector<std::string> events;
  int loads = 0;
  bool refuse_unload = false;
  int form_drops_key = -1;

 private:
  void Watch(forms::TextBox& box, const std::string& name) {
    box.GotFocus = [this, name] { events.push_back(name + ".GotFocus"); };
    box.LostFocus = [this, name] { events.push_back(name + ".LostFocus"); };
    box.Change = [this, name, &box] { events.push_back(name + ".Change " + box.Text()); };
    box.KeyDown = [this, name](int& k, int) { events.push_back(name + ".KeyDown " + std::to_string(k)); };
    box.KeyUp = [this, name](int& k, int) { events.push_back(name + ".KeyUp " + std::to_string(k)); };
  }
};

}  // namespace ks::testing

#include "shell/Form1.h"

#include <initializer_list>

#include "platform/MessageBoxService.h"

namespace vantrelle {

Form1::Form1(platform::Platform& platform) : platform_(platform) {
  Option3.SetValue(true);  // the design's chosen option; no handler is wired yet
  dtpWeekly.InitialValue(platform::LocalTime{2010, 2, 19, 0, 0, 0});
  WireEvents();
}

void Form1::MsgBox(const std::string& text) const {
  platform_.messageBox->Show(text, ApplicationTitle, platform::MessageIcon::None);
}

void Form1::WireEvents() {
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Option3.OnClick = [this] { Option3_Click(); };
  cboWeekly.OnClick = [this] { cboWeekly_Click(); };
  dtpWeekly.OnChange = [this] { dtpWeekly_Change(); };
  dtpWeekly.OnClick = [this] { dtpWeekly_Click(); };
  Text3.OnChange = [this] { Text3_Change(); };
  Text3.OnGotFocus = [this] { Text3_GotFocus(); };
  Text3.OnLostFocus = [this] { Text3_LostFocus(); };
  Text11.OnChange = [this] { Text11_Change(); };
  Text11.OnGotFocus = [this] { Text11_GotFocus(); };
  Text11.OnLostFocus = [this] { Text11_LostFocus(); };
  Text2.OnChange = [this] { Text2_Change(); };
  Text2.OnGotFocus = [this] { Text2_GotFocus(); };
  Text2.OnLostFocus = [this] { Text2_LostFocus(); };
  Timer1.OnTimer = [this] { Timer1_Timer(); };
  PushButton4.OnClick = [this] { PushButton4_Click(); };
  PushButton2.OnClick = [this] { PushButton2_Click(); };

  Check1.OnClick = [this] { Check1_Click(); };
  Check2.OnClick = [this] { Check2_Click(); };
  Check3.OnClick = [this] { Check3_Click(); };
  Check4.OnClick = [this] { Check4_Click(); };
  Check5.OnClick = [this] { Check5_Click(); };
  Check6.OnClick = [this] { Check6_Click(); };
  Check7.OnClick = [this] { Check7_Click(); };
  Check8.OnClick = [this] { Check8_Click(); };
  Text1.OnChange = [this] { Text1_Change(); };

  PushButton9.OnClick = [this] { PushButton9_Click(); };
  PushButton1.OnClick = [this] { PushButton1_Click(); };

  cSysTray1.MouseUp = [this](std::int16_t button, std::int32_t id) { cSysTray1_MouseUp(button, id); };
  // The hand over the buttons and the Windows Temp box; the arrow again over the background,
  // the frames and a few boxes. Other controls leave the pointer as it is.
  for (Control* control :
       std::initializer_list<Control*>{&PushButton1, &PushButton2, &PushButton4, &PushButton9, &Check1}) {
    control->OnMouseMove = [this] { ShowHandPointer(); };
  }
  for (Control* control :
       std::initializer_list<Control*>{&Frame1, &Frame2, &Frame3, &Frame4, &Check5, &Check6, &Text2}) {
    control->OnMouseMove = [this] { Form_MouseMove(); };
  }
}

}  // namespace vantrelle

// Schedule panel, interval computation, countdown and switch: not built yet.
#include "shell/Form1.h"

namespace vantrelle {

void Form1::Option1_Click() {}
void Form1::Option2_Click() {}
void Form1::Option3_Click() {}
void Form1::cboWeekly_Click() {}
void Form1::dtpWeekly_Change() {}
void Form1::dtpWeekly_Click() {}
void Form1::Text3_Change() {}
void Form1::Text3_GotFocus() {}
void Form1::Text3_LostFocus() {}
void Form1::Text11_Change() {}
void Form1::Text11_GotFocus() {}
void Form1::Text11_LostFocus() {}
void Form1::Text2_Change() {}
void Form1::Text2_GotFocus() {}
void Form1::Text2_LostFocus() {}
void Form1::FindDuration() {}
void Form1::Timer1_Timer() {}
void Form1::PushButton4_Click() {}
void Form1::PushButton2_Click() {}

}  // namespace vantrelle

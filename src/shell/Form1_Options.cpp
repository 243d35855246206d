// Location and start-up option handlers: not built yet.
#include "shell/Form1.h"

namespace vantrelle {

void Form1::Check1_Click() {}
void Form1::Check2_Click() {}
void Form1::Check3_Click() {}
void Form1::Check4_Click() {}
void Form1::Check5_Click() {}
void Form1::Check6_Click() {}
void Form1::Check7_Click() {}
void Form1::Check8_Click() {}
void Form1::Text1_Change() {}

}  // namespace vantrelle

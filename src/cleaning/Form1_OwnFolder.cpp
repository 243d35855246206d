// Own-folder browse button and "Help": not built yet.
#include "shell/Form1.h"

namespace vantrelle {

void Form1::PushButton9_Click() {}
void Form1::PushButton1_Click() {}

}  // namespace vantrelle

#pragma once

namespace vantrelle {
class Form1;

namespace modDeleteTempFiles {

// One cleaning run over the locations ticked on the window.
void DeleteTemporaryFiles(Form1& form);

}  // namespace modDeleteTempFiles
}  // namespace vantrelle

// The deletion run: not built yet.
#include "cleaning/modDeleteTempFiles.h"

namespace vantrelle::modDeleteTempFiles {

void DeleteTemporaryFiles(Form1&) {}

}  // namespace vantrelle::modDeleteTempFiles

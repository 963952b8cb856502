#include "reports/adif_export.h"

namespace ks {

void WriteADIFFile(forms::Application& /*app*/) {}

}  // namespace ks

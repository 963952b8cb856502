#pragma once
// The ADIF export of the log (a stand-in until the export is built).

namespace ks::forms {
class Application;
}

namespace ks {

// Exports every contact of the log to an ADIF file that the operator chooses.
void WriteADIFFile(forms::Application& app);

}  // namespace ks

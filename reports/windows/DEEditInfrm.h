#pragma once
// The contact editor of the in-state main window: call, serials, county, exchange (SPC),
// date, time, mode, band, points and the county sent of record EditIndex.
#include "reports/windows/contact_editor.h"

namespace ks {

class DEEditInfrm : public ContactEditor {
 public:
  explicit DEEditInfrm(forms::Application& app);

 protected:
  MainWindow& Opener() override;
};

}  // namespace ks

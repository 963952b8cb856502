#pragma once
// The contact editor of the out-of-state main window: call, serials, county, date, time,
// mode, band and points of record EditIndex.
#include "reports/windows/contact_editor.h"

namespace ks {

class DEEditOut : public ContactEditor {
 public:
  explicit DEEditOut(forms::Application& app);

 protected:
  MainWindow& Opener() override;
};

}  // namespace ks

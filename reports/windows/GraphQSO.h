#pragma once
// The QSO-rate graph (a stand-in until it is built).
#include "platform/forms/form.h"

namespace ks {

class GraphQSO : public forms::Form {
 public:
  explicit GraphQSO(forms::Application& app);
};

}  // namespace ks

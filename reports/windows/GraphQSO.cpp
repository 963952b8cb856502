#include "reports/windows/GraphQSO.h"

namespace ks {

GraphQSO::GraphQSO(forms::Application& app) : forms::Form(app, "GraphQSO") {
  SetCaption(" Activity Graph - QSOs per Hour Rate   (# QSOs over 10 minutes X 6)");
}

}  // namespace ks

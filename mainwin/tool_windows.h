#pragma once
// The three ways the main window opens a tool window (each a single instance, created when
// first shown).
#include "platform/forms/application.h"

namespace ks {

// Modal, then unloaded, so that the next opening starts afresh.
template <typename F>
void ShowModalThenUnload(forms::Application& app) {
  app.Get<F>().ShowModal();
  if (F* still_loaded = app.IfLoaded<F>()) still_loaded->Unload();
}

// Modal; the window's own button only hides it, and it stays loaded for the rest of the run.
template <typename F>
void ShowModalKept(forms::Application& app) {
  app.Get<F>().ShowModal();
}

// Shown without waiting, beside the main window; it stays loaded once hidden.
template <typename F>
F& ShowModeless(forms::Application& app) {
  F& window = app.Get<F>();
  window.Show();
  return window;
}

}  // namespace ks

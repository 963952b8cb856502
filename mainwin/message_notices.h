#pragma once
// A notice in the main window's message label: it stands after whatever message the entry
// line shows there, two blanks apart, so that neither hides the other, and it stays there,
// whatever the entry line writes meanwhile, until its source takes it back.
#include <string>
#include <string_view>

namespace ks {

// The caption with the notice after its message; the notice alone after a blank message.
std::string WithNotice(std::string_view caption, std::string_view notice);
// The caption without the notice: the message as the entry line wrote it (blank ones empty).
std::string WithoutNotice(std::string_view caption, std::string_view notice);

}  // namespace ks

#pragma once
// The program's own help text, shown by the help window Form3: an
// introduction, the list of the 26 windows, then one section per window in
// the order of their numbers with a paragraph on every button whose action
// is not self-evident. Line breaks are CR LF.
#include <string>

namespace helptext {

// Appends the help text to `text` block by block: the introduction, the list
// of windows, then the sections, each with its line breaks.
void appendHelpText(std::string& text);

}  // namespace helptext

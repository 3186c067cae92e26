#pragma once

class QWidget;

namespace app::record {

class Journal;

// Tells the user, once, what the journal found at the start (damaged lines
// set aside, a file that cannot be read) or that the record cannot be saved,
// in a box that does not block: it opens after `window` is on the screen,
// the program goes on behind it, and it never comes back for the next
// calculation. A failure to save that begins later in the session is told
// the same way, once.
void WatchJournal(Journal &journal, QWidget *window);

} // namespace app::record

#pragma once

namespace korvel::app {

// Which entries of the movie list's pop-up menu are enabled when it opens.
struct ListMenuState
{
    bool edit = false;   // "Bearbeiten"
    bool remove = false; // "Entfernen"
    bool loans = false;  // "Verleih"
    bool lend = false;   // "Verleihen"
    bool giveBack = false; // "Retourniert"

    static ListMenuState forSelection(bool rowSelected, bool selectedIsLent);
};

} // namespace korvel::app

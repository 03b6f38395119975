#include "app/ListMenu.h"

namespace korvel::app {

ListMenuState ListMenuState::forSelection(bool rowSelected, bool selectedIsLent)
{
    ListMenuState s;
    if (!rowSelected)
        return s;
    s.edit = s.remove = s.loans = true;
    s.lend = !selectedIsLent;
    s.giveBack = selectedIsLent;
    return s;
}

} // namespace korvel::app

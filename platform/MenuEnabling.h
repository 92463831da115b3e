#pragma once

// A window that takes part in the menu-enable pass run each time a menu is about to show.
class MenuEnabling
{
public:
    virtual ~MenuEnabling() = default;
    virtual void Event_EnableMenuItems() = 0;
};

#pragma once

// Accessible interfaces for every line edit, spin box and text edit of the program, those inside
// Qt's own dialogs too, that answer every text query at once, whatever the offset, and change a
// field's text only as its own editing would. Qt's own interface of a line edit never returns
// from a query by word or sentence at the end of its text, and that of a read-only text edit
// writes into it all the same. Installed once, once the application object exists: factories
// installed later are asked first, this one before Qt's own.
void installTextFieldAccessibility();

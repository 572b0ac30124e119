// Marks a text of the pure library that the desktop shows in the user's
// language: the text itself, unchanged here, with the context the desktop
// translates it in (QCoreApplication::translate(context, text)). Qt's
// translation tool (lupdate) finds the texts by this macro's name; the
// definition is Qt's own, token for token, so a file that includes Qt's
// headers as well sees one and the same macro.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The same for a text with a count (%n), which languages put in their own
// plural forms.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

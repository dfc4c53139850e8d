#pragma once

// Marks an English text of the engine that the windows show in the player's language. Qt's
// lupdate collects every marked text into the translations, under its context, as it does for
// QT_TRANSLATE_NOOP; the windows look the translation up in that context. Here it is the text.
#define QVL_TRANSLATABLE(context, text) text

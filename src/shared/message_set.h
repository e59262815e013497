#pragma once
// The installers' failure messages and the Install command's success text in
// the language the user picked (UTF-8).
#include "shared/language.h"

namespace shared {

struct MessageSet {
    const char* productBusy;     // the product's files cannot be written
    const char* pathError;       // the given or found folder is not the host's
    const char* closeCorelDraw;  // the CorelDRAW plug-in files cannot be written
    const char* corelDrawMissing;
    const char* closeAutoCad;    // the AutoCAD plug-in files cannot be written
    const char* autoCadMissing;
    const char* closeIllustrator;  // the Illustrator plug-in files cannot be unpacked
    const char* setupDamaged;      // the archive does not match its stored checksum
};

// By the Language list's row: 0 Chinese; 1 English with the Traditional Chinese
// row's own product-busy text; any other row (-1 included) the plain English set.
const MessageSet& MessageSetFor(LanguageIndex language);

const char* SuccessMessageFor(LanguageIndex language);

}  // namespace shared

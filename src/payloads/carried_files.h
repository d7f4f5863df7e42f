// The program's own two carried files, in the payload layout. Linked only into
// the program (and the tests that pin them): the library payload is the built
// skin engine itself.
#pragma once

#include "payloads/payloads.h"

namespace dorvane {

EmbeddedPayload SkinFilePayload();
EmbeddedPayload SkinLibraryPayload();
CarriedFiles TheCarriedFiles();

}  // namespace dorvane

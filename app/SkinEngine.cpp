#include "app/SkinEngine.h"

namespace corvatto {

// The skin engine loader arrives in its own change; until then the program runs unskinned, as it does
// whenever the library is missing.
void LocateSkinEngine(const std::wstring&) {}

void SkinVoiceBar() {}

} // namespace corvatto

#pragma once

#include <cstdint>
#include <string>

namespace lingotab::tools {

// A form translation file (".dfn", UTF-8, DOCTYPE on line 2) of `units`
// translation units with the mix of real ones, the same for the same seed:
// - 62 % take part in an export of untranslated units: their source text is
//   quoted ('...' mostly, "..." sometimes); the rest are numbers, identifiers,
//   sets and empty sources;
// - most quoted units carry a Cyrillic translation, some an empty or no
//   target; a few unquoted ones carry a copy of their source;
// - some texts span lines, many hold entities (&amp; &lt; &gt; &quot;).
// About 240 bytes a unit: 100,000 units make some 24 MB.
std::string generateTranslationFile(int units, std::uint64_t seed = 1);

}  // namespace lingotab::tools
